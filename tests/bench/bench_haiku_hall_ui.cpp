// The haiku hall on the built museum: opening the list (table, commentary of every
// haiku, seven columns, all rows), one column sort with the rebuild, and one step of
// the card (which re-reads tavelo.txt up to the shown haiku). Run offscreen.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/ProfileStore.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "platform/ListCtrl.h"
#include "platform/NoticeWnd.h"

namespace {

void OpenHaikuHall(benchmark::State& state) {
    int rows = 0;
    for (auto _ : state) {
        CHaikuListView view;
        view.OnInitialUpdate();
        rows = view.GetListCtrl()->GetItemCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = rows;
}
BENCHMARK(OpenHaikuHall)->Unit(benchmark::kMillisecond);

void SortColumnAndRebuild(benchmark::State& state) {
    CHaikuListView view;
    view.OnInitialUpdate();
    // Alternates between the first phrase and the number, so every sort reorders.
    int column = 1;
    for (auto _ : state) {
        view.SortByColumn(column);
        column = column == 1 ? 0 : 1;
    }
}
BENCHMARK(SortColumnAndRebuild)->Unit(benchmark::kMillisecond);

// A step near the end of the table: the single-entry read scans the whole file.
void CardStepNearTheEnd(benchmark::State& state) {
    CHaikuCardDlg card;
    card.SetHaikuIndex(100000);  // clamped to the last haiku
    card.OnInitDialog();
    int delta = -1;
    for (auto _ : state) {
        card.OnDeltaPos(delta);
        delta = -delta;
    }
    state.counters["index"] = card.GetHaikuIndex();
}
BENCHMARK(CardStepNearTheEnd)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    theProfile.SetupProfile(QUILLARY_BINARY_DIR "/museum", "bench");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
