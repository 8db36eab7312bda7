// Benchmarks that time a fresh process: the parent starts this very executable again
// with arguments, the child reports "painted" on its standard output once its window
// has painted, and the parent takes the time to that report and the child's peak
// resident memory. Without a display the child uses the offscreen platform.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

// This executable's path, for starting it again.
inline std::string SelfPath() {
    char path[4096];
    ssize_t len = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return len > 0 ? std::string(path, static_cast<std::size_t>(len)) : "/proc/self/exe";
}

struct ChildRun {
    double seconds = -1;  // < 0: the child did not report
    long peakKb = 0;
};

// Starts this executable with args in folder dir and waits for its report.
inline ChildRun RunPaintingChild(const std::string& dir, const std::vector<std::string>& args) {
    ChildRun result;
    const std::string self = SelfPath();
    std::vector<char*> argv{const_cast<char*>(self.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    int out[2];
    if (::pipe(out) != 0) return result;
    auto start = std::chrono::steady_clock::now();
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        if (::chdir(dir.c_str()) != 0) std::_Exit(2);
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
            ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::execv(self.c_str(), argv.data());
        std::_Exit(3);
    }
    ::close(out[1]);
    char buffer[16] = {};
    ssize_t n = ::read(out[0], buffer, sizeof buffer - 1);
    auto end = std::chrono::steady_clock::now();
    ::close(out[0]);
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    if (n > 0 && std::string(buffer, static_cast<std::size_t>(n)) == "painted\n") {
        result.seconds = std::chrono::duration<double>(end - start).count();
        result.peakKb = usage.ru_maxrss;
    }
    return result;
}
