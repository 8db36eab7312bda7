// The data lines of the generator's tab-separated tables (eras, overrides).
#pragma once

#include <functional>
#include <istream>
#include <string>

namespace lunisolar {

// Calls onRow with the 1-based line number and the text of every data line: a
// trailing CR is dropped, blank lines and '#' comment lines are skipped, and so is
// the first remaining line, the header.
void ForEachTsvRow(std::istream& in, const std::function<void(int lineNumber, const std::string& line)>& onRow);

} // namespace lunisolar
