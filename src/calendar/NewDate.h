// A Gregorian date: year, month 1-12, day 1-31. {0, 0, 0} stands for no date.
#pragma once

struct NewDate {
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const NewDate&, const NewDate&) = default;
};
