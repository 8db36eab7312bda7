// The built-in sources of the old calendar, compiled from data/eras.tsv and
// data/lunisolar-years.tsv. Era names are cp932.
#pragma once

// One era run: from firstYear until the year before the next run's firstYear.
struct EraRun {
    int firstYear;
    int firstEraYear;
    const char* name;
};

// One old year as the table source gives it: kinds of months 1-12 ('1' = 30 days),
// the regular month the leap month follows (0 = none) and its kind.
struct LunisolarRow {
    int year;
    const char* kinds;
    int leapMonth;
    int leapKind;
    const char* eraName;
    int eraYear;
};

extern const EraRun kEraRuns[];
extern const int kEraRunCount;
extern const LunisolarRow kLunisolarRows[];
extern const int kLunisolarRowCount;

// The era run that holds a year (years before the first run get the first run).
const EraRun& FindEraRun(int year);
