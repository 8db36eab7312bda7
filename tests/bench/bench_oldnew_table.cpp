// Building one year of the calendar hall's correspondence table, and constructing the
// old calendar it is built from. Each floor copies the same result from one already made.
#include "BenchSupport.h"
#include "calendar/EtoTable.h"
#include "calendar/NewCalendar.h"
#include "calendar/OldCalendar.h"
#include "calendar/OldNewTable.h"

namespace {

// Calendars made once, on first use rather than before main.
void Fill(std::vector<OldNewRow>& rows, int year) {
    static const COldCalendar calendar;
    static const CNewCalendar newCalendar;
    static const CEtoTable eto;
    FillOldColumns(rows, calendar, eto, year);
    FillNewColumns(rows, calendar, newCalendar, year);
}

void BM_BuildYearTable(benchmark::State& state) {
    std::vector<OldNewRow> rows;
    for (auto _ : state) {
        Fill(rows, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_BuildYearTable)->Arg(1874)->Arg(1959)->Unit(benchmark::kMicrosecond);

void BM_BuildYearTable_Floor(benchmark::State& state) {
    std::vector<OldNewRow> made, rows;
    Fill(made, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        rows.clear();  // as the fill starts afresh: the strings are made again
        rows = made;
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_BuildYearTable_Floor)->Arg(1874)->Arg(1959)->Unit(benchmark::kMicrosecond);

void BM_ConstructCalendar(benchmark::State& state) {
    for (auto _ : state) {
        COldCalendar calendar;
        benchmark::DoNotOptimize(&calendar);
    }
}
BENCHMARK(BM_ConstructCalendar)->Unit(benchmark::kMicrosecond);

void BM_ConstructCalendar_Floor(benchmark::State& state) {
    const COldCalendar made;
    for (auto _ : state) {
        COldCalendar calendar(made);
        benchmark::DoNotOptimize(&calendar);
    }
}
BENCHMARK(BM_ConstructCalendar_Floor)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    RunBenchmarksWithFloors(&argc, argv);
    return 0;
}
