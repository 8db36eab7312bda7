// The sixty sexagenary names (干支): ten stems combined with twelve branches.
#pragma once

class CEtoTable {
public:
    CEtoTable();

    // Index 0-59 of a year's sign; year 4 (and every 60th year after it) is 0.
    static int GetYearEto(int year);
    // cp932 name of index 0-59, or of a year when the value is 60 or more.
    // A negative value (a failed day sign) gives the empty name.
    const char* GetEtoName(int value) const;

private:
    char m_szNames[60][5];
};
