#include "MonthLabels.h"

#include "DayMath.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

namespace lunisolar {

namespace {

constexpr int kWinterSolstice = 0;

// The principal terms that fall on the days of each month.
std::vector<std::vector<int>> TermsByMonth(const MonthSkeleton& skeleton)
{
    std::vector<MidTerm> terms = skeleton.terms;
    std::sort(terms.begin(), terms.end(), [](const MidTerm& a, const MidTerm& b) { return a.jdn < b.jdn; });
    const std::size_t monthCount = skeleton.starts.empty() ? 0 : skeleton.starts.size() - 1;
    std::vector<std::vector<int>> result(monthCount);
    std::size_t month = 0;
    for (const MidTerm& term : terms) {
        while (month < monthCount && term.jdn >= skeleton.starts[month + 1])
            ++month;
        if (month == monthCount)
            break;
        if (term.jdn >= skeleton.starts[month])
            result[month].push_back(term.index);
    }
    return result;
}

bool Holds(const std::vector<int>& terms, int index)
{
    return std::find(terms.begin(), terms.end(), index) != terms.end();
}

int NextNumber(int number)
{
    return number % 12 + 1;
}

std::optional<int> AnchorNumber(const std::vector<int>& terms)
{
    for (int index : terms) {
        if (index % 3 == 0)
            return MonthOfTerm(index);
    }
    return std::nullopt;
}

struct Label {
    int number = 0;
    bool leap = false;
};

// Numbers the months first+1 .. first+count-1 after a month numbered `from`, making
// the first month without a term leap when there is one month too many.
bool NumberRun(const std::vector<std::vector<int>>& terms, std::size_t first, std::size_t count, int from,
               int regularCount, std::vector<Label>& labels)
{
    const std::size_t between = count - 1;
    if (between != static_cast<std::size_t>(regularCount) && between != static_cast<std::size_t>(regularCount + 1))
        return false;
    bool leapPending = between == static_cast<std::size_t>(regularCount + 1);
    int number = from;
    for (std::size_t i = first + 1; i < first + count; ++i) {
        if (leapPending && terms[i].empty()) {
            labels[i] = {number, true};
            leapPending = false;
        } else {
            number = NextNumber(number);
            labels[i] = {number, false};
        }
    }
    return !leapPending;
}

// Anchor rule over one 冬至-year [first, last): false when it does not apply.
bool LabelByAnchors(const std::vector<std::vector<int>>& terms, std::size_t first, std::size_t last,
                    std::vector<Label>& labels)
{
    std::vector<std::size_t> anchors;
    for (std::size_t i = first; i < last; ++i) {
        if (AnchorNumber(terms[i]))
            anchors.push_back(i);
    }
    anchors.push_back(last);
    if (anchors.size() != 5)
        return false;
    labels[first] = {11, false};
    for (std::size_t a = 0; a + 1 < anchors.size(); ++a) {
        const int from = *AnchorNumber(terms[anchors[a]]);
        if (from != (11 + 3 * static_cast<int>(a) - 1) % 12 + 1)
            return false;
        if (a > 0)
            labels[anchors[a]] = {from, false};
        if (!NumberRun(terms, anchors[a], anchors[a + 1] - anchors[a], from, 2, labels))
            return false;
    }
    return true;
}

// Counting rule over one 冬至-year [first, last).
bool LabelByCount(const std::vector<std::vector<int>>& terms, std::size_t first, std::size_t last,
                  std::vector<Label>& labels)
{
    labels[first] = {11, false};
    std::vector<Label> run = labels;
    if (!NumberRun(terms, first, last - first, 11, 11, run))
        return false;
    labels = run;
    return true;
}

} // namespace

std::vector<LunarMonth> LabelByMeanTerms(const MonthSkeleton& skeleton)
{
    const std::vector<std::vector<int>> terms = TermsByMonth(skeleton);
    std::vector<LunarMonth> months;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (terms[i].size() > 1)
            throw std::runtime_error("two principal terms in the month of " + FormatHistoricalDate(skeleton.starts[i]));
        if (terms[i].empty()) {
            if (months.empty())
                continue;
            months.push_back({skeleton.starts[i], 0, months.back().number, true});
        } else {
            months.push_back({skeleton.starts[i], 0, MonthOfTerm(terms[i].front()), false});
        }
    }
    AssignOldYears(months);
    return months;
}

std::vector<LunarMonth> LabelByTrueTerms(const MonthSkeleton& skeleton)
{
    const std::vector<std::vector<int>> terms = TermsByMonth(skeleton);
    std::vector<std::size_t> solstices;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        if (Holds(terms[i], kWinterSolstice))
            solstices.push_back(i);
    }
    std::vector<Label> labels(terms.size());
    for (std::size_t s = 0; s + 1 < solstices.size(); ++s) {
        const std::size_t first = solstices[s];
        const std::size_t last = solstices[s + 1];
        if (!LabelByAnchors(terms, first, last, labels) && !LabelByCount(terms, first, last, labels))
            throw std::runtime_error("no month numbering for the 冬至-year from " + FormatHistoricalDate(skeleton.starts[first]));
    }
    std::vector<LunarMonth> months;
    if (solstices.size() < 2)
        return months;
    for (std::size_t i = solstices.front(); i < solstices.back(); ++i)
        months.push_back({skeleton.starts[i], 0, labels[i].number, labels[i].leap});
    AssignOldYears(months);
    return months;
}

void AssignOldYears(std::vector<LunarMonth>& months)
{
    const auto newYear = std::find_if(months.begin(), months.end(),
                                      [](const LunarMonth& month) { return month.number == 1 && !month.leap; });
    if (newYear == months.end())
        throw std::runtime_error("no first month in the computed stretch");
    int year = HistoricalFromJdn(newYear->start).year;
    for (auto it = months.begin(); it != newYear; ++it)
        it->year = year - 1;
    for (auto it = newYear; it != months.end(); ++it) {
        if (it != newYear && it->number == 1 && !it->leap)
            ++year;
        it->year = year;
    }
}

} // namespace lunisolar
