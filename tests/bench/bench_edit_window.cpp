// Opening a text file in the edit window: a fresh process starts the museum (greeting
// dialogs off), opens a file of 1 or 4 MB (the largest it opens) (Japanese text in UTF-8,
// lines of about 60 bytes) and reports once the main window has painted; the parent takes
// the time and the child's peak resident memory. The floor is the same start with an empty
// file, run first: "extra_peak_per_byte" is the memory the file costs, per byte of it.
#include <QApplication>
#include <filesystem>
#include <fstream>

#include "BenchSupport.h"
#include "app/QuillaryApp.h"
#include "platform/MDIFrameWnd.h"

namespace {

int RunChild(int argc, char** argv, const char* path) {
    QApplication application(argc, argv);
    theApp.m_bRunStartupDialogs = false;
    if (!theApp.InitInstance()) return 1;
    if (!theApp.OpenDocumentFile(QString::fromLocal8Bit(path))) return 1;
    AfxGetMainWnd()->repaint();  // the main window with the edit window in it
    ReportPaintedWhenDone();
    return QApplication::exec();
}

// Opens a file of whole lines filling the megabytes in a child started in an empty folder.
ChildRun OpenOnce(long long megabytes) {
    const std::string file = "/tmp/quillary-bench-edit-" + std::to_string(megabytes) + ".txt";
    const std::string line = "雪解けの千曲の瀬音高まりぬ - the river loud with snowmelt.\r\n";
    std::ofstream out(file, std::ios::binary);
    for (auto lines = (megabytes << 20) / static_cast<long long>(line.size()); lines > 0; --lines)
        out << line;
    out.close();
    char dir[] = "/tmp/quillary-bench-XXXXXX";
    if (!::mkdtemp(dir)) return {};
    ChildRun run = RunPaintingChild(dir, {"--open", file.c_str()});
    std::filesystem::remove_all(dir);
    return run;
}

void BM_OpenInEditWindow(benchmark::State& state) {
    const ChildRun floor = OpenOnce(0);
    const auto bytes = static_cast<double>(state.range(0) << 20);
    ChildRun run;
    for (auto _ : state) {
        run = OpenOnce(state.range(0));
        if (run.seconds < 0 || floor.seconds < 0) {
            state.SkipWithError("the edit window did not open and paint");
            break;
        }
        state.SetIterationTime(run.seconds);
    }
    state.counters["floor_ms"] = floor.seconds * 1e3;
    state.counters["peak_MB"] = static_cast<double>(run.peakKb) / 1024;
    state.counters["floor_peak_MB"] = static_cast<double>(floor.peakKb) / 1024;
    state.counters["extra_peak_per_byte"] = static_cast<double>(run.peakKb - floor.peakKb) * 1024 / bytes;
}
BENCHMARK(BM_OpenInEditWindow)->Arg(1)->Arg(4)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--open") return RunChild(argc, argv, argv[2]);
    RunBenchmarksWithFloors(&argc, argv);
    return 0;
}
