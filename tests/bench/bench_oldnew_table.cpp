// Building one year of the calendar hall's correspondence table, and converting a
// single old date, from a calendar that was already constructed.
#include <benchmark/benchmark.h>

#include "calendar/EtoTable.h"
#include "calendar/NewCalendar.h"
#include "calendar/OldCalendar.h"
#include "calendar/OldNewTable.h"

static void BM_BuildYearTable(benchmark::State& state) {
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

static void BM_ConstructCalendar(benchmark::State& state) {
    for (auto _ : state) {
        COldCalendar calendar;
        benchmark::DoNotOptimize(&calendar);
    }
}
BENCHMARK(BM_ConstructCalendar)->Unit(benchmark::kMicrosecond);
