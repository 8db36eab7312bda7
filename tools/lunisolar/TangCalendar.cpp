#include "TangCalendar.h"

#include "DayMath.h"
#include "MonthLabels.h"

#include <stdexcept>

namespace lunisolar {

namespace {

constexpr std::int64_t kRateUnit = 10000;

// Quotient rounded half away from zero (denominator positive).
std::int64_t RoundDiv(std::int64_t numerator, std::int64_t denominator)
{
    if (numerator >= 0)
        return (2 * numerator + denominator) / (2 * denominator);
    return -((-2 * numerator + denominator) / (2 * denominator));
}

} // namespace

std::int64_t TangSegmentLength(const TangParameters& parameters, int segment)
{
    const TangSolarRow& here = parameters.solar[static_cast<std::size_t>(segment)];
    const TangSolarRow& next = parameters.solar[static_cast<std::size_t>((segment + 1) % 24)];
    return parameters.year / 24 + (next.boundaryOffset - here.boundaryOffset) * parameters.scale;
}

std::int64_t TangSolarCorrection(const TangParameters& parameters, int segment, std::int64_t offset)
{
    const TangSolarRow& row = parameters.solar[static_cast<std::size_t>(segment)];
    const std::int64_t dayLength = parameters.dayUnit * parameters.scale;
    const std::int64_t n = offset / dayLength;
    const std::int64_t fraction = (offset % dayLength) / parameters.scale;
    const std::int64_t rate = (row.rate + n * row.rateChange) / kRateUnit; // C++ division truncates toward zero
    const std::int64_t accumulated =
        (row.startCorrection * kRateUnit + n * row.rate + n * (n - 1) / 2 * row.rateChange) / kRateUnit;
    return accumulated + RoundDiv(rate * fraction, parameters.dayUnit);
}

std::int64_t TangLunarCorrection(const TangParameters& parameters, std::int64_t position, bool secondHalf)
{
    const std::vector<TangLunarRow>& table = secondHalf ? parameters.lunarSecond : parameters.lunar;
    std::int64_t start = 0;
    for (const TangLunarRow& row : table) {
        if (position < start + row.span) {
            const std::int64_t elapsed = (position - start) / parameters.scale;
            return row.stack + RoundDiv(row.rate * elapsed * parameters.scale, row.span);
        }
        start += row.span;
    }
    throw std::logic_error("lunar position beyond the table");
}

std::int64_t TangFirstDay(const TangParameters& parameters, std::int64_t trueNewMoon)
{
    const std::int64_t dayLength = parameters.dayUnit * parameters.scale;
    std::int64_t day = parameters.epochJdn + FloorDiv(trueNewMoon, dayLength);
    if (parameters.advanceLimit > 0 && FloorMod(trueNewMoon, dayLength) >= parameters.advanceLimit * parameters.scale)
        ++day;
    return day;
}

TangSolsticeYear ComputeTangSolsticeYear(const TangParameters& parameters, int x)
{
    const TangParameters& p = parameters;
    auto solsticeOf = [&](int year) { return (p.accumulatedYears + year - p.baseYear) * p.year; };

    TangSolsticeYear result;
    result.solstice = solsticeOf(x);
    result.leapRemainder = FloorMod(result.solstice, p.month);
    std::int64_t meanNewMoon = result.solstice - result.leapRemainder;
    const std::int64_t nextSolstice = solsticeOf(x + 1);
    const std::int64_t nextMeanNewMoon = nextSolstice - FloorMod(nextSolstice, p.month);
    const std::int64_t monthCount = (nextMeanNewMoon - meanNewMoon) / p.month;

    // Place the 11th month's mean new moon in the solar year, walking back from the 冬至.
    int segment = 23;
    std::int64_t before = result.leapRemainder;
    while (before > TangSegmentLength(p, segment)) {
        before -= TangSegmentLength(p, segment);
        --segment;
    }
    std::int64_t offset = TangSegmentLength(p, segment) - before;

    std::int64_t lunar = FloorMod(meanNewMoon, p.halfCycles ? 2 * p.anomaly : p.anomaly);
    bool secondHalf = false;
    if (p.halfCycles && lunar >= p.anomaly) {
        lunar -= p.anomaly;
        secondHalf = true;
    }

    for (std::int64_t i = 0; i < monthCount; ++i) {
        TangMonthTrace month;
        month.meanNewMoon = meanNewMoon;
        month.segment = segment;
        month.segmentOffset = offset;
        month.solarCorrection = TangSolarCorrection(p, segment, offset);
        month.lunarPosition = lunar;
        month.secondHalf = secondHalf;
        month.lunarCorrection = TangLunarCorrection(p, lunar, secondHalf);
        month.trueNewMoon = meanNewMoon + (month.solarCorrection + month.lunarCorrection) * p.scale;
        month.firstDay = TangFirstDay(p, month.trueNewMoon);
        result.months.push_back(month);

        meanNewMoon += p.month;
        offset += p.month;
        while (offset >= TangSegmentLength(p, segment)) {
            offset -= TangSegmentLength(p, segment);
            segment = (segment + 1) % 24;
        }
        lunar += p.month;
        if (p.halfCycles) {
            while (lunar >= p.anomaly) {
                lunar -= p.anomaly;
                secondHalf = !secondHalf;
            }
        } else {
            lunar %= p.anomaly;
        }
    }
    return result;
}

std::vector<LunarMonth> ComputeTangMonths(const TangParameters& parameters, int firstYear, int lastYear)
{
    MonthSkeleton skeleton;
    const std::int64_t dayLength = parameters.dayUnit * parameters.scale;
    for (int x = firstYear - 1; x <= lastYear + 2; ++x) {
        const TangSolsticeYear year = ComputeTangSolsticeYear(parameters, x);
        for (const TangMonthTrace& month : year.months)
            skeleton.starts.push_back(month.firstDay);
        for (int index = 0; index < 12; ++index) {
            const std::int64_t term = year.solstice + index * (parameters.year / 12);
            skeleton.terms.push_back({parameters.epochJdn + FloorDiv(term, dayLength), index});
        }
    }
    return LabelByMeanTerms(skeleton);
}

} // namespace lunisolar
