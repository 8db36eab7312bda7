// Building one year of the calendar hall's correspondence table, and constructing the
// old calendar it is built from. Each beside its floor: the same result copied from
// one already made, the least that producing it can cost.
#include "BenchSupport.h"
#include "calendar/EtoTable.h"
#include "calendar/NewCalendar.h"
#include "calendar/OldCalendar.h"
#include "calendar/OldNewTable.h"

namespace {

void BM_BuildYearTable(benchmark::State& state) {
    COldCalendar calendar;
    CNewCalendar newCalendar;
    CEtoTable eto;
    int year = static_cast<int>(state.range(0));
    std::vector<OldNewRow> rows;
    for (auto _ : state) {
        FillOldColumns(rows, calendar, eto, year);
        FillNewColumns(rows, calendar, newCalendar, year);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_BuildYearTable)->Arg(1874)->Arg(1959)->Unit(benchmark::kMicrosecond);

void BM_BuildYearTable_Floor(benchmark::State& state) {
    COldCalendar calendar;
    CNewCalendar newCalendar;
    CEtoTable eto;
    std::vector<OldNewRow> made;
    FillOldColumns(made, calendar, eto, static_cast<int>(state.range(0)));
    FillNewColumns(made, calendar, newCalendar, static_cast<int>(state.range(0)));
    std::vector<OldNewRow> rows;
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
