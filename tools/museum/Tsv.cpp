#include "Tsv.h"

#include <algorithm>
#include <filesystem>

#include "TextFile.h"

namespace museum {

std::vector<TsvRow> ReadTsv(const std::string& path, std::size_t columns, Findings& findings) {
    std::vector<TsvRow> rows;
    std::string name = std::filesystem::path(path).filename().string();
    auto text = ReadWholeFile(path);
    if (!text) {
        findings.Add(path, "unreadable", "the file cannot be read");
        return rows;
    }
    std::vector<std::string> lines = SplitLines(*text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        int number = static_cast<int>(i) + 1;
        if (line.empty() || line[0] == '#') continue;
        TsvRow row{name, number, {}};
        std::size_t start = 0;
        while (true) {
            std::size_t tab = line.find('\t', start);
            std::string_view field = std::string_view(line).substr(
                start, tab == std::string::npos ? std::string::npos : tab - start);
            row.fields.push_back(LineToCp932(field, name, number, findings));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        if (row.fields.size() != columns) {
            findings.Add(Where(name, number), "tsv-columns",
                         std::to_string(row.fields.size()) + " fields, expected " +
                         std::to_string(columns));
            continue;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> TsvFilesIn(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file() && entry.path().extension() == ".tsv")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace museum
