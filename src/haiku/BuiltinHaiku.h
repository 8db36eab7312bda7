// The built-in haiku: the three phrases (cp932) and the year of each haiku of
// the collection, in table order. The table is generated from data/haiku/*.tsv
// by museum_build at build time; CHaikuTable is built from it.
#pragma once

struct BuiltinHaiku {
    const char* line1;
    const char* line2;
    const char* line3;
    int year;
};

extern const BuiltinHaiku kBuiltinHaiku[];
extern const int kBuiltinHaikuCount;
