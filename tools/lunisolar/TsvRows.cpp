#include "TsvRows.h"

namespace lunisolar {

void ForEachTsvRow(std::istream& in, const std::function<void(int lineNumber, const std::string& line)>& onRow)
{
    std::string line;
    int lineNumber = 0;
    bool headerSeen = false;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        if (!headerSeen) {
            headerSeen = true;
            continue;
        }
        onRow(lineNumber, line);
    }
}

} // namespace lunisolar
