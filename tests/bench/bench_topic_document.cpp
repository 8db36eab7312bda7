// The reader on the largest document it is meant for: 10000 stored lines, 1000
// topics and a generated index. Loading it, opening the reader dialog on it up to
// the painted dialog (floor: the same dialog on a one-topic document), the links of
// one page, and a scroll step over a page holding five lines of 1 MB (floor: the
// same page with short lines).
#include <QApplication>
#include <QScrollBar>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "BenchSupport.h"
#include "platform/Cp932.h"
#include "reader/ReaderDialog.h"
#include "reader/TopicDocument.h"

namespace {

std::string Cp932(const std::string& utf8) { return cp932::FromUtf8Lossy(utf8); }

// Writes a document composed in UTF-8 as a temporary file in cp932, as the museum's are.
std::string WriteDocument(const char* name, const std::string& utf8) {
    const std::string file = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(file, std::ios::binary) << Cp932(utf8);
    return file;
}

// Topics of ten stored lines each (and a comment), the first an index in three
// columns: 10000 stored lines, the table's limit.
const std::string& LargeDocument() {
    static const std::string path = [] {
        std::ostringstream out;
        out << "[*]\nk1:目次\nl3:\nd:\n\n\n\n\n\n\n";
        for (int i = 1; i < 1000; ++i) {
            std::string n = std::to_string(i);
            out << "[*]\nk1:話題" << n << "\nk2:わだい" << n << "\nk3:topic" << n << "\n"
                << "d:これは話題" << n << "の本文です。\t話題" << (i * 7 % 1000) << "を見よ。\n"
                << "俳句は五七五の十七音からなる短い詩である。\n"
                << "季語を一つ含むのが普通である。話題" << (i * 13 % 1000) << "\n"
                << "切れ字は句の切れ目を示す。\n"
                << "話題" << (i * 17 % 1000) << "も参照のこと。\n"
                << "\n// 注記\n";
        }
        return WriteDocument("quillary-bench-large.txt", out.str());
    }();
    return path;
}

// One topic of twenty body lines with a link in each; lines 1, 3, 5, 7 and 9 are
// 1 MB long when longLines is set.
std::string PageDocument(bool longLines) {
    std::ostringstream out;
    out << "[*]\nk1:本文\nd:\n";
    for (int line = 1; line < 20; ++line) {
        out << "行" << line << "は話題を見よ。";
        if (longLines && line % 2 == 1 && line < 10)
            for (int i = 0; i < 1024 * 1024 / 40; ++i) out << "俳句は五七五の十七音からなる短い詩。話題";
        out << "\n";
    }
    out << "[*]\nk1:話題\nd:別の話題。\n";
    return WriteDocument(longLines ? "quillary-bench-long.txt" : "quillary-bench-short.txt", out.str());
}

void BM_LoadLargeDocument(benchmark::State& state) {
    const std::string path = LargeDocument();
    for (auto _ : state) {
        CTopicDocument document;
        int result = document.Load(path);
        benchmark::DoNotOptimize(result);
        if (document.GetTopicCount() != 1000 || document.GetIndexTopic() != 0 ||
            document.GetLineCount() < CTopicDocument::kMaxLines)
            state.SkipWithError("unexpected document");
    }
}
BENCHMARK(BM_LoadLargeDocument)->Unit(benchmark::kMillisecond);

// Opens the reader dialog on path at the topic key and shows it painted: the paint
// events that took, or -1 if the reader did not open.
int ShowReader(CReaderDialog& dialog, const std::string& path, const std::string& key) {
    dialog.SetPath(path);
    dialog.SetInitialKey(key);
    if (!dialog.Create()) return -1;
    dialog.OnInitDialog();
    return ShowAndPaint(dialog);
}

// From the dialog's construction to its first finished paint.
void OpenReaderOn(benchmark::State& state, const std::string& path) {
    const std::string key = Cp932("目次");
    int paints = 0;
    for (auto _ : state) {
        CReaderDialog dialog;
        if ((paints = ShowReader(dialog, path, key)) < 0) {
            state.SkipWithError("the reader did not open");
            break;
        }
    }
    state.counters["paints"] = paints;
}
void BM_OpenReaderOnLargeDocument(benchmark::State& state) { OpenReaderOn(state, LargeDocument()); }
BENCHMARK(BM_OpenReaderOnLargeDocument)->Unit(benchmark::kMillisecond);
void BM_OpenReaderOnLargeDocument_Floor(benchmark::State& state) {
    OpenReaderOn(state, WriteDocument("quillary-bench-one.txt",
                                      "[*]\nk1:目次\nd:俳句は五七五の十七音からなる短い詩である。\n"));
}
BENCHMARK(BM_OpenReaderOnLargeDocument_Floor)->Unit(benchmark::kMillisecond);

void BM_LinksOfOnePage(benchmark::State& state) {
    CTopicDocument document;
    document.Load(LargeDocument());
    const std::string key = Cp932("話題500");
    TopicSelection shown = document.SelectTopic(key);
    for (auto _ : state) {
        std::size_t links = 0;
        for (int row = 0; row < 15; ++row)
            links += document.FindLinks(shown.body[static_cast<std::size_t>(row % shown.BodyCount())], key).size();
        benchmark::DoNotOptimize(links);
    }
}
BENCHMARK(BM_LinksOfOnePage)->Unit(benchmark::kMicrosecond);

// One line down and back up, each redrawn and painted.
void ScrollStep(benchmark::State& state, bool longLines) {
    CReaderDialog dialog;
    if (ShowReader(dialog, PageDocument(longLines), Cp932("本文")) < 0)
        return state.SkipWithError("the reader did not open");
    auto* bar = dialog.findChild<QScrollBar*>(QStringLiteral("1019"));
    for (auto _ : state) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        dialog.repaint();
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        dialog.repaint();
    }
}
void BM_ScrollStepOverMegabyteLines(benchmark::State& state) { ScrollStep(state, true); }
BENCHMARK(BM_ScrollStepOverMegabyteLines)->Unit(benchmark::kMillisecond);
void BM_ScrollStepOverMegabyteLines_Floor(benchmark::State& state) { ScrollStep(state, false); }
BENCHMARK(BM_ScrollStepOverMegabyteLines_Floor)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    RunBenchmarksWithFloors(&argc, argv);
    return 0;
}
