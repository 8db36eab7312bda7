#include "Collection.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "Tsv.h"

namespace museum {

int ParseYear(const std::string& text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0) return -1;
    return value;
}

Collection LoadCollection(const std::string& dataDir, Findings& findings) {
    Collection collection;
    for (const std::string& path : TsvFilesIn(dataDir + "/haiku")) {
        for (TsvRow& row : ReadTsv(path, 11, findings)) {
            Haiku h;
            h.year = ParseYear(row.fields[0]);
            if (h.year < 0)
                findings.Add(Where(row.file, row.line), "year", "the year is not a number: " + row.fields[0]);
            for (int i = 0; i < 3; ++i) h.phrases[i] = std::move(row.fields[1 + i]);
            h.reading = std::move(row.fields[4]);
            h.season = std::move(row.fields[5]);
            h.kigo = std::move(row.fields[6]);
            h.source = std::move(row.fields[7]);
            h.preface = std::move(row.fields[8]);
            h.interpretation = std::move(row.fields[9]);
            h.note = std::move(row.fields[10]);
            h.file = row.file;
            h.line = row.line;
            collection.haiku.push_back(std::move(h));
        }
    }
    std::set<std::string> seen;
    for (const std::string& path : TsvFilesIn(dataDir + "/kigo")) {
        for (TsvRow& row : ReadTsv(path, 4, findings)) {
            if (!seen.insert(row.fields[0]).second) continue;  // the first row wins
            collection.kigo.push_back({std::move(row.fields[0]), std::move(row.fields[1]),
                                       std::move(row.fields[2]), std::move(row.fields[3]),
                                       row.file, row.line});
        }
    }
    return collection;
}

bool EraNames::Load(const std::string& erasTsv, Findings& findings) {
    std::size_t before = findings.Size();
    for (TsvRow& row : ReadTsv(erasTsv, 3, findings)) {
        int first = ParseYear(row.fields[0]);
        int eraYear = ParseYear(row.fields[1]);
        if (first < 0 || eraYear < 0) continue;  // the column header line
        Add(first, eraYear, std::move(row.fields[2]));
    }
    return findings.Size() == before && !m_runs.empty();
}

void EraNames::Add(int firstYear, int firstEraYear, std::string name) {
    m_runs.push_back({firstYear, firstEraYear, std::move(name)});
    std::sort(m_runs.begin(), m_runs.end(),
              [](const Run& a, const Run& b) { return a.firstYear < b.firstYear; });
}

std::string EraNames::EraYear(int year) const {
    const Run* found = nullptr;
    for (const Run& run : m_runs)
        if (run.firstYear <= year) found = &run;
    if (!found) return {};
    int eraYear = found->firstEraYear + (year - found->firstYear);
    return found->name + (eraYear == 1 ? std::string("元") : std::to_string(eraYear)) + "年";
}

}  // namespace museum
