#include "calendar/EtoTable.h"

#include <cstring>

CEtoTable::CEtoTable() {
    static const char* const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    static const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                              "午", "未", "申", "酉", "戌", "亥"};
    for (int i = 0; i < 60; ++i) {
        std::memcpy(m_szNames[i], kStems[i % 10], 2);
        std::memcpy(m_szNames[i] + 2, kBranches[i % 12], 2);
        m_szNames[i][4] = '\0';
    }
}

int CEtoTable::GetYearEto(int year) {
    int index = (year - 4) % 60;
    return index < 0 ? index + 60 : index;
}

const char* CEtoTable::GetEtoName(int value) const {
    if (value < 0) return "";
    if (value >= 60) value = GetYearEto(value);
    return m_szNames[value];
}
