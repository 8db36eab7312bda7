// museum_check <TxtData dir> <data dir>: proves the museum's rules on the built
// files and the built-in table compiled into the program. Prints one line per
// fault (file, line or haiku number, rule) and exits 1 when there is any.
#include <iostream>

#include "MuseumCheck.h"
#include "haiku/BuiltinHaiku.h"

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
    museum::CheckMuseum(argv[1], argv[2], table, museum::CollectionLimits{}, findings);
    findings.Print(std::cout);
    if (!findings.Empty()) {
        std::cout << "museum_check: " << findings.Size() << " faults\n";
        return 1;
    }
    std::cout << "museum_check: the museum keeps every rule (" << table.size() << " haiku)\n";
    return 0;
}
