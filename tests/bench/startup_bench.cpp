// Cold start of the museum: the time from starting a fresh process to the first paint
// of its main window. Each iteration runs this executable again with "--child" in an
// empty working directory; the child starts the application exactly as main() does
// and reports on its standard output when the main frame has painted. Without a
// display the child uses the offscreen platform.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/AppStrings.h"
#include "app/QuillaryApp.h"
#include "platform/CommandIds.h"
#include "platform/QtNoticeSink.h"

namespace {

std::string g_self;

class PaintWatcher : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::fputs("painted\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);  // the cold start ends here; teardown is not measured
        }
        return false;
    }
};

int RunChild(int argc, char** argv) {
    QApplication application(argc, argv);
    CQtNoticeSink notices(AppString(AFX_IDS_APP_TITLE));
    SetNoticeSink(&notices);
    PaintWatcher watcher;
    // The greeting dialogs wait for the user; the cold start ends at the main window.
    theApp.m_bRunStartupDialogs = false;
    if (!theApp.InitInstance()) return 1;
    theApp.GetMainWnd()->installEventFilter(&watcher);
    return QApplication::exec();
}

// Starts the child and returns the seconds until it reported its first paint (< 0 on failure).
double ColdStartOnce() {
    char dir[] = "/tmp/quillary-bench-XXXXXX";
    if (!::mkdtemp(dir)) return -1;
    int out[2];
    if (::pipe(out) != 0) return -1;
    auto start = std::chrono::steady_clock::now();
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        if (::chdir(dir) != 0) std::_Exit(2);
        if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
            ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::execl(g_self.c_str(), g_self.c_str(), "--child", static_cast<char*>(nullptr));
        std::_Exit(3);
    }
    ::close(out[1]);
    char buffer[16] = {};
    ssize_t n = ::read(out[0], buffer, sizeof buffer - 1);
    auto end = std::chrono::steady_clock::now();
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    std::string ini = std::string(dir) + "/startup_bench.INI";
    ::unlink(ini.c_str());
    ::rmdir(dir);
    if (n <= 0 || std::string(buffer, static_cast<std::size_t>(n)) != "painted\n") return -1;
    return std::chrono::duration<double>(end - start).count();
}

void BM_ColdStartToPaintedMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        double seconds = ColdStartOnce();
        if (seconds < 0) {
            state.SkipWithError("the child did not paint its main window");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_ColdStartToPaintedMainWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--child") return RunChild(argc, argv);
    g_self = "/proc/self/exe";
    char path[4096];
    ssize_t len = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (len > 0) g_self.assign(path, static_cast<std::size_t>(len));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
