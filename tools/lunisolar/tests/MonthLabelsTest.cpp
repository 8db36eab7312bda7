#include "MonthLabels.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lunisolar {
namespace {

// Month starts every 30 days from day 0 (JDN 2000000 is early 763 in the Julian calendar,
// but only the relative days matter for the rules).
MonthSkeleton Skeleton(int monthCount)
{
    MonthSkeleton skeleton;
    for (int i = 0; i <= monthCount; ++i)
        skeleton.starts.push_back(2000000 + 30 * i);
    return skeleton;
}

std::string Labels(const std::vector<LunarMonth>& months)
{
    std::string text;
    for (const LunarMonth& m : months) {
        if (m.leap)
            text += 'L';
        text += std::to_string(m.number);
        text += ' ';
    }
    return text;
}

TEST(MonthLabelsTest, MeanTermsNameMonthsAndTheEmptyOneIsLeap)
{
    MonthSkeleton skeleton = Skeleton(6);
    // Terms 雨水 (1月), 春分 (2月), none, 穀雨 (3月), 小満 (4月), 夏至 (5月).
    const int termDays[] = {5, 35, -1, 95, 125, 155};
    const int indices[] = {2, 3, -1, 4, 5, 6};
    for (int i = 0; i < 6; ++i) {
        if (termDays[i] >= 0)
            skeleton.terms.push_back({2000000 + termDays[i], indices[i]});
    }
    const std::vector<LunarMonth> months = LabelByMeanTerms(skeleton);
    EXPECT_EQ(Labels(months), "1 2 L2 3 4 5 ");
}

TEST(MonthLabelsTest, MeanTermsRejectTwoTermsInAMonth)
{
    MonthSkeleton skeleton = Skeleton(2);
    skeleton.terms = {{2000001, 2}, {2000029, 3}, {2000040, 4}};
    EXPECT_THROW(LabelByMeanTerms(skeleton), std::runtime_error);
}

// A 冬至-year of true terms: `terms[i]` lists the term indices of month i.
MonthSkeleton TrueTermYear(const std::vector<std::vector<int>>& terms)
{
    MonthSkeleton skeleton = Skeleton(static_cast<int>(terms.size()));
    for (std::size_t i = 0; i < terms.size(); ++i) {
        int offset = 1;
        for (int index : terms[i])
            skeleton.terms.push_back({skeleton.starts[i] + offset++, index});
    }
    return skeleton;
}

TEST(MonthLabelsTest, AnchorRuleMakesTheFirstEmptyMonthLeap)
{
    // 11 12 1 | 2 3 4 | 5 x 6 7 | 8 9 10 | 11: the empty month after 5 is leap.
    const MonthSkeleton skeleton =
        TrueTermYear({{0}, {1}, {2}, {3}, {4}, {5}, {6}, {}, {7}, {8}, {9}, {10}, {11}, {0}, {1}});
    EXPECT_EQ(Labels(LabelByTrueTerms(skeleton)), "11 12 1 2 3 4 5 L5 6 7 8 9 10 ");
}

TEST(MonthLabelsTest, AnchorRuleSkipsAnEmptyMonthThatIsNotNeeded)
{
    // Month 12 holds no term but the segment 11..2 has only two months between: no leap.
    // The extra month sits between 5 and 8, where the second empty month is leap.
    const MonthSkeleton skeleton =
        TrueTermYear({{0}, {}, {1, 2}, {3}, {4}, {5}, {6}, {7}, {}, {8}, {9}, {10}, {11}, {0}});
    EXPECT_EQ(Labels(LabelByTrueTerms(skeleton)), "11 12 1 2 3 4 5 6 L6 7 8 9 10 ");
}

TEST(MonthLabelsTest, CountingRuleWhenAnchorsLeaveNoRoom)
{
    // As in 2033: three months between the anchors 5 and 8, then the 秋分 month, a 霜降
    // month and a month holding 小雪 and the next 冬至, so one month between 8 and 11.
    // The 冬至-year is numbered by counting instead (12 months, no leap).
    const MonthSkeleton skeleton =
        TrueTermYear({{0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {}, {8}, {9}, {10}, {11, 0}});
    EXPECT_EQ(Labels(LabelByTrueTerms(skeleton)), "11 12 1 2 3 4 5 6 7 8 9 10 ");
}

} // namespace
} // namespace lunisolar
