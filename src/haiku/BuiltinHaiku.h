// The built-in haiku collection, generated at build time from data/haiku/*.tsv:
// the three phrases (cp932) and the year of each haiku, in table order.
#pragma once

struct BuiltinHaiku {
    const char* line1;
    const char* line2;
    const char* line3;
    int year;
};

extern const BuiltinHaiku kBuiltinHaiku[];
extern const int kBuiltinHaikuCount;
