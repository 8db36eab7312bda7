// Generates the old-year table 593-2051 (data/lunisolar-years.tsv) from the calendar
// systems in force, the era runs and the documented overrides.
//
//   lunisolar_gen --eras data/eras.tsv --overrides tools/lunisolar/overrides.tsv --out FILE
//   lunisolar_gen ... --check FILE   (exit 1 when FILE differs from the generated table)
//   lunisolar_gen ... --months FILE  (also writes every adopted month with its first day)

#include "TableGenerator.h"

#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

int Usage()
{
    std::cerr << "usage: lunisolar_gen --eras FILE --overrides FILE (--out FILE | --check FILE)\n";
    return 2;
}

bool ReadWholeFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) {
        std::cerr << "lunisolar_gen: cannot write " << path << '\n';
        return false;
    }
    return true;
}

// Line number (1-based) of the first difference, 0 when equal.
int FirstDifferentLine(const std::string& a, const std::string& b)
{
    std::istringstream left(a), right(b);
    std::string l, r;
    for (int line = 1;; ++line) {
        const bool hasLeft = static_cast<bool>(std::getline(left, l));
        const bool hasRight = static_cast<bool>(std::getline(right, r));
        if (!hasLeft && !hasRight)
            return a == b ? 0 : line;
        if (hasLeft != hasRight || l != r)
            return line;
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::string erasPath, overridesPath, outPath, checkPath, monthsPath;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--eras"))
            erasPath = argv[i + 1];
        else if (!std::strcmp(argv[i], "--overrides"))
            overridesPath = argv[i + 1];
        else if (!std::strcmp(argv[i], "--out"))
            outPath = argv[i + 1];
        else if (!std::strcmp(argv[i], "--check"))
            checkPath = argv[i + 1];
        else if (!std::strcmp(argv[i], "--months"))
            monthsPath = argv[i + 1];
        else
            return Usage();
    }
    if (argc % 2 == 0 || erasPath.empty() || overridesPath.empty() || outPath.empty() == checkPath.empty())
        return Usage();

    std::string table, monthLine;
    try {
        table = lunisolar::GenerateYearTable(erasPath, overridesPath, monthsPath.empty() ? nullptr : &monthLine);
    } catch (const std::exception& error) {
        std::cerr << "lunisolar_gen: " << error.what() << '\n';
        return 1;
    }

    if (!monthsPath.empty() && !WriteWholeFile(monthsPath, monthLine))
        return 1;
    if (!outPath.empty()) {
        return WriteWholeFile(outPath, table) ? 0 : 1;
    }
    std::string committed;
    if (!ReadWholeFile(checkPath, committed)) {
        std::cerr << "lunisolar_gen: cannot read " << checkPath << '\n';
        return 1;
    }
    if (const int line = FirstDifferentLine(table, committed)) {
        std::cerr << "lunisolar_gen: " << checkPath << " differs from the generated table at line " << line
                  << "; regenerate it with --out\n";
        return 1;
    }
    return 0;
}
