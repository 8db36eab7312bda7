// 儀鳳暦 (698-763), 大衍暦 (764-861) and 宣明暦 (862-1684): true new moons from the
// solar and lunar correction tables, in exact integer arithmetic in a fraction of the
// calendar's day unit (分); mean principal terms; 進朔 for 宣明暦.
#pragma once

#include "LunarMonth.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lunisolar {

// One 24th of the year in the solar table: the cumulative offset of the true term
// boundary (先後数) and the correction at the segment's start (朓朒積) in 分, the daily
// rate on its first day (損益率) and the daily change of that rate in 1e-4 分.
struct TangSolarRow {
    std::int64_t boundaryOffset = 0;
    std::int64_t startCorrection = 0;
    std::int64_t rate = 0;
    std::int64_t rateChange = 0;
};

// One row of the lunar table: length (in scaled units), rate and stacked correction (分).
struct TangLunarRow {
    std::int64_t span = 0;
    std::int64_t rate = 0;
    std::int64_t stack = 0;
};

struct TangParameters {
    std::int64_t scale = 1;         // scaled units per 分, making every constant integral
    std::int64_t dayUnit = 0;       // 分 per day
    std::int64_t year = 0;          // scaled
    std::int64_t month = 0;         // scaled
    std::int64_t anomaly = 0;       // scaled; 宣明暦: the half cycle (暦中日)
    bool halfCycles = false;        // 宣明暦: 進 and 退 halves with their own tables
    std::int64_t accumulatedYears = 0; // 積年 to the base year
    int baseYear = 0;
    std::int64_t epochJdn = 0;      // JDN of the 上元 day
    std::int64_t advanceLimit = 0;  // 進朔 when the 小余 reaches it (分); 0 = never
    std::array<TangSolarRow, 24> solar{};
    std::vector<TangLunarRow> lunar;        // 儀鳳・大衍: whole cycle; 宣明: 進 half
    std::vector<TangLunarRow> lunarSecond;  // 宣明: 退 half
};

const TangParameters& GihoParameters();   // 儀鳳暦
const TangParameters& TaienParameters();  // 大衍暦
const TangParameters& SenmyoParameters(); // 宣明暦

// Every step of one month's computation, in scaled units unless noted.
struct TangMonthTrace {
    std::int64_t meanNewMoon = 0;     // 経朔
    int segment = 0;                  // 入定気: 24th of the year (0 冬至)
    std::int64_t segmentOffset = 0;
    std::int64_t solarCorrection = 0; // 分
    std::int64_t lunarPosition = 0;   // 入暦
    bool secondHalf = false;          // 宣明暦: 退
    std::int64_t lunarCorrection = 0; // 分
    std::int64_t trueNewMoon = 0;     // 定朔
    std::int64_t firstDay = 0;        // JDN of the 朔日 (after 進朔)
};

struct TangSolsticeYear {
    std::int64_t solstice = 0; // 天正冬至 (scaled)
    std::int64_t leapRemainder = 0; // 閏余: mean new moon to the 冬至 (scaled)
    std::vector<TangMonthTrace> months; // from the 11th month to the month before the next 11th
};

// The 冬至-year that starts with the 冬至 in December of x - 1.
TangSolsticeYear ComputeTangSolsticeYear(const TangParameters& parameters, int x);

// Corrections in 分 for a position in the solar year and in the anomalistic cycle.
std::int64_t TangSolarCorrection(const TangParameters& parameters, int segment, std::int64_t offset);
std::int64_t TangLunarCorrection(const TangParameters& parameters, std::int64_t position, bool secondHalf);

// JDN of the 朔日 for a 定朔 instant (scaled), with 進朔 where the calendar has it.
std::int64_t TangFirstDay(const TangParameters& parameters, std::int64_t trueNewMoon);

// Segment lengths (入気定日加減数), scaled.
std::int64_t TangSegmentLength(const TangParameters& parameters, int segment);

// Months of the old years firstYear..lastYear and the first month after.
std::vector<LunarMonth> ComputeTangMonths(const TangParameters& parameters, int firstYear, int lastYear);

} // namespace lunisolar
