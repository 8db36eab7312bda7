// museum_check <TxtData dir> <data dir>: proves the museum's rules on the built
// files and the built-in table compiled into the program. Prints one line per
// fault (file, line or haiku number, rule) and exits 1 when there is any.
#include <iostream>
#include <map>

#include "MuseumCheck.h"
#include "haiku/BuiltinHaiku.h"
#include "platform/Cp932.h"

namespace {

void PrintFigures(const museum::MuseumFigures& figures) {
    std::cout << "museum_check: " << figures.haiku << " haiku, " << figures.seasonWords
              << " season words, " << figures.offCount << " off 5-7-5; by season:";
    for (const auto& [season, count] : figures.bySeason)
        std::cout << ' ' << cp932::ToUtf8Lossy(season) << ' ' << count;
    std::cout << "; by source:";
    for (const auto& [source, count] : figures.bySource)
        std::cout << ' ' << cp932::ToUtf8Lossy(source) << ' ' << count;
    std::cout << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: museum_check <TxtData dir> <data dir>\n";
        return 2;
    }
    std::vector<museum::TableRecord> table;
    for (int i = 0; i < kBuiltinHaikuCount; ++i) {
        const BuiltinHaiku& h = kBuiltinHaiku[i];
        table.push_back({{h.line1, h.line2, h.line3}, h.year});
    }
    museum::Findings findings;
    museum::MuseumFigures figures;
    museum::CheckMuseum(argv[1], argv[2], table, museum::CollectionLimits{}, findings, &figures);
    findings.Print(std::cout);
    PrintFigures(figures);
    if (!findings.Empty()) {
        std::map<std::string, std::size_t> byRule;
        for (const museum::Finding& f : findings.All()) ++byRule[f.rule];
        std::cout << "museum_check: " << findings.Size() << " faults:";
        for (const auto& [rule, count] : byRule) std::cout << ' ' << rule << ' ' << count;
        std::cout << '\n';
        return 1;
    }
    std::cout << "museum_check: the museum keeps every rule (" << table.size() << " haiku)\n";
    return 0;
}
