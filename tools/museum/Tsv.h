// The collection's sources: UTF-8 text, one record a line, fields separated by
// tabs; lines beginning with '#' and empty lines are skipped.
#pragma once

#include <string>
#include <vector>

#include "Findings.h"

namespace museum {

struct TsvRow {
    std::string file;                 // the file's name, for messages
    int line = 0;                     // 1-based line number
    std::vector<std::string> fields;  // cp932
};

// Reads the rows of one file, converting every field to cp932. A row with another
// number of fields than columns, a character without cp932 form or an unreadable
// file is a finding; rows with the wrong field count are left out.
std::vector<TsvRow> ReadTsv(const std::string& path, std::size_t columns, Findings& findings);

// The files of folder whose name ends in ".tsv", in name order.
std::vector<std::string> TsvFilesIn(const std::string& folder);

}  // namespace museum
