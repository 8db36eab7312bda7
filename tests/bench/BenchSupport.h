// Shared by the benchmarks: the reporter that sets each figure beside its floor, the
// paint counting that shows a benchmark painted, and the timing of a fresh process.
#pragma once

#include <benchmark/benchmark.h>
#include <errno.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Every figure stands beside a floor measured in the same run: "Name_Floor" is the
// least the work of "Name" can cost here (Qt's own share of it, or the same work on a
// trivial input). After the run each figure is printed as a multiple of its floor, so
// runs on a loaded or a fast machine compare. The figures are CPU time, which a shared
// machine disturbs less than the wall clock, except where a benchmark times by hand (a
// child process): then its own time. With --benchmark_repetitions the best one counts.
class FloorReporter : public benchmark::ConsoleReporter {
    std::map<std::string, double> m_seconds;

public:
    FloorReporter() : ConsoleReporter(OO_Tabular) {}  // plain text: the output is kept in notes

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0) continue;
            const std::string name = run.benchmark_name();
            const bool manual = name.ends_with("/manual_time");
            const double seconds = (manual ? run.real_accumulated_time : run.cpu_accumulated_time) /
                                   static_cast<double>(run.iterations);
            double& best = m_seconds.try_emplace(name, seconds).first->second;
            best = std::min(best, seconds);
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, seconds] : m_seconds) {
            // "Name/args" pairs with "Name_Floor/args".
            const std::size_t slash = std::min(name.find('/'), name.size());
            auto floor = m_seconds.find(name.substr(0, slash) + "_Floor" + name.substr(slash));
            if (floor == m_seconds.end() || floor->second <= 0) continue;
            std::printf("%s: %.3f ms, %.2f x its floor (%.3f ms)\n", name.c_str(), seconds * 1e3,
                        seconds / floor->second, floor->second * 1e3);
        }
        std::fflush(stdout);
    }
};

inline void RunBenchmarksWithFloors(int* argc, char** argv) {
    benchmark::Initialize(argc, argv);
    FloorReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

// Counts the paint events a widget and its children receive.
class PaintCounter : public QObject {
public:
    int count = 0;
    explicit PaintCounter(QWidget* top) {
        top->installEventFilter(this);
        for (QWidget* child : top->findChildren<QWidget*>()) child->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// Shows the window and returns once it has been painted with everything on it: the
// paint events it and its children received.
inline int ShowAndPaint(QWidget& widget) {
    PaintCounter counter(&widget);
    widget.show();
    while (!widget.windowHandle()->isExposed()) QCoreApplication::processEvents();
    if (counter.count == 0) widget.repaint();
    return counter.count;
}

// Benchmarks that time a fresh process: the parent starts this very executable again
// with arguments, the child reports "painted" on its standard output once its window
// has painted, and the parent takes the time to that report and the child's peak
// resident memory. Without a display the child uses the offscreen platform.

// In the child: queues the report; it runs once the paint under way is finished.
inline void ReportPaintedWhenDone() {
    QMetaObject::invokeMethod(
        qApp,
        [] {
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);  // the measurement ends here; teardown is not measured
        },
        Qt::QueuedConnection);
}

struct ChildRun {
    double seconds = -1;  // < 0: the child did not report
    long peakKb = 0;
};

// Starts this executable with args in folder dir and waits for its report. The child
// keeps the name it was started by, which names its settings file.
inline ChildRun RunPaintingChild(const char* dir, std::vector<const char*> args) {
    args.insert(args.begin(), program_invocation_name);
    args.push_back(nullptr);
    int out[2];
    if (::pipe(out) != 0) return {};
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        if (::chdir(dir) != 0) std::_Exit(2);
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
            ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::execv("/proc/self/exe", const_cast<char* const*>(args.data()));
        std::_Exit(3);
    }
    ::close(out[1]);
    char report[16] = {};  // read() leaves it terminated
    const ssize_t n = ::read(out[0], report, sizeof report - 1);
    const auto end = std::chrono::steady_clock::now();
    ::close(out[0]);
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    if (n <= 0 || std::string_view(report) != "painted\n") return {};
    return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss};
}
