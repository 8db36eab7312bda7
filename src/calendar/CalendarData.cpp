#include "calendar/CalendarData.h"

const EraRun& FindEraRun(int year) {
    int lo = 0;
    int hi = kEraRunCount - 1;
    while (lo < hi) {  // last run whose first year is <= year
        int mid = (lo + hi + 1) / 2;
        if (kEraRuns[mid].firstYear <= year) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    return kEraRuns[lo];
}
