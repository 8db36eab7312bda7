// What a museum tool found wrong: where, which rule, and what. The tools collect
// every finding instead of stopping at the first, so one run shows all the work
// left to do.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace museum {

struct Finding {
    std::string where;    // "tavelo.txt:120 (haiku 17)", UTF-8 (file names)
    std::string rule;     // short ASCII name, e.g. "mora-count"
    std::string message;  // cp932, may quote the text at fault
};

class Findings {
public:
    void Add(std::string where, std::string rule, std::string message);
    bool Empty() const { return m_findings.empty(); }
    std::size_t Size() const { return m_findings.size(); }
    const std::vector<Finding>& All() const { return m_findings; }
    std::size_t Count(std::string_view rule) const;
    bool Has(std::string_view rule) const { return Count(rule) > 0; }
    // One line per finding, "where: [rule] message", message shown as UTF-8.
    void Print(std::ostream& out) const;

private:
    std::vector<Finding> m_findings;
};

// "file:line" for messages.
std::string Where(std::string_view file, int line);

}  // namespace museum
