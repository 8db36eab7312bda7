// Cold start of the museum: the time from starting a fresh process to the finished
// first paint of its main window. Each iteration runs this executable again with
// "--child" in the built museum, with the greeting dialogs off; the child starts the
// application as main() does. The floor is the same for a minimal Qt main window (an
// MDI area, nine menus, a tool bar and a status bar), run as "--minimal".
#include <sys/stat.h>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <utility>

#include "BenchSupport.h"
#include "app/AppStrings.h"
#include "app/QtTranslations.h"
#include "app/QuillaryApp.h"
#include "platform/CommandIds.h"
#include "platform/QtNoticeSink.h"

namespace {

const char kMuseum[] = QUILLARY_BINARY_DIR "/museum";

// At the first paint event of the window, queues the report: it runs once the
// paint that event starts (the window and all its children) is finished.
struct PaintWatcher : QObject {
    bool seen = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !std::exchange(seen, true)) ReportPaintedWhenDone();
        return false;
    }
};

int RunChild(int argc, char** argv) {
    QApplication application(argc, argv);
    LoadQtTranslations(application);
    CQtNoticeSink notices(AppString(AFX_IDS_APP_TITLE));
    SetNoticeSink(&notices);
    PaintWatcher watcher;
    theApp.m_bRunStartupDialogs = false;  // the greeting dialogs wait for the user
    if (!theApp.InitInstance()) return 1;
    theApp.GetMainWnd()->installEventFilter(&watcher);
    return QApplication::exec();
}

int RunMinimal(int argc, char** argv) {
    QApplication application(argc, argv);
    PaintWatcher watcher;
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    QToolBar* tools = window.addToolBar(QStringLiteral("tools"));
    for (int m = 0; m < 9; ++m) {
        QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Menu %1").arg(m));
        for (int a = 0; a < 5; ++a) menu->addAction(QStringLiteral("Item %1").arg(a));
        tools->addAction(menu->actions().front());
    }
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}

// Starts a child in the museum with mode, each iteration timed to its first paint. The
// child's settings file is removed if it made one.
void ColdStart(benchmark::State& state, const char* mode) {
    const std::string ini = std::string(kMuseum) + "/startup_bench.INI";
    struct stat st {};
    const bool iniWasThere = ::stat(ini.c_str(), &st) == 0;
    for (auto _ : state) {
        const double seconds = RunPaintingChild(kMuseum, {mode}).seconds;
        if (!iniWasThere) ::unlink(ini.c_str());
        if (seconds < 0) {
            state.SkipWithError("the child did not paint its main window");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
void BM_ColdStartToPaintedMainWindow(benchmark::State& state) { ColdStart(state, "--child"); }
BENCHMARK(BM_ColdStartToPaintedMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
void BM_ColdStartToPaintedMainWindow_Floor(benchmark::State& state) { ColdStart(state, "--minimal"); }
BENCHMARK(BM_ColdStartToPaintedMainWindow_Floor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--child") return RunChild(argc, argv);
    if (argc > 1 && std::string(argv[1]) == "--minimal") return RunMinimal(argc, argv);
    RunBenchmarksWithFloors(&argc, argv);
    return 0;
}
