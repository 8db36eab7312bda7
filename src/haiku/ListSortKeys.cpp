#include "haiku/ListSortKeys.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace sortkeys {
namespace {

constexpr std::string_view kSentinel = "\xEE\xEC\xEE\xEC";  // 黑黑

std::string Digits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d", value);
    return buffer;
}

unsigned char Fold(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

}  // namespace

std::string Compose(std::string_view first, std::size_t firstBytes, std::string_view second,
                    std::size_t secondBytes, int index) {
    std::string key(first.substr(0, firstBytes));
    key += second.substr(0, secondBytes);
    key += Digits(index);
    return key;
}

std::string ReplaceEmpty(std::string key, int index) {
    if (key.size() != 4) return key;
    return Compose(kSentinel, 24, {}, 0, index);
}

std::string HaikuKey(const HaikuRecord& record, int index, int column) {
    std::string key;
    switch (column) {
        case 0: key = Digits(index) + Digits(index); break;
        case 1: key = Compose(record.reading1, 22, record.reading2, 2, index); break;
        case 2: key = Compose(record.reading2, 24, {}, 0, index); break;
        case 3: key = Compose(record.reading3, 24, {}, 0, index); break;
        case 4: key = Compose(record.season, 10, record.kigo, 10, index); break;
        case 5: key = Compose(record.kigo, 24, {}, 0, index); break;
        default: key = std::to_string(record.year) + Digits(index); break;
    }
    return ReplaceEmpty(std::move(key), index);
}

std::string KigoKey(std::string_view key1, std::string_view key2, std::string_view key3,
                    int index, int column) {
    std::string key;
    switch (column) {
        case 0: key = Digits(index) + Digits(index); break;
        case 1: key = Compose(key1, 22, key2, 2, index); break;
        case 2: key = Compose(key2, 24, {}, 0, index); break;
        default: key = Compose(key3, 24, {}, 0, index); break;
    }
    return ReplaceEmpty(std::move(key), index);
}

bool Less(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Fold(x) < Fold(y); });
}

void SortOrder(std::vector<int>& order, std::vector<std::string> keys) {
    std::vector<std::size_t> rows(order.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::sort(rows.begin(), rows.end(),
              [&keys](std::size_t a, std::size_t b) { return Less(keys[a], keys[b]); });
    std::vector<int> sorted(order.size());
    for (std::size_t r = 0; r < rows.size(); ++r) sorted[r] = order[rows[r]];
    order = std::move(sorted);
}

}  // namespace sortkeys
