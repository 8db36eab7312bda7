#include "Findings.h"

#include <algorithm>

#include "platform/Cp932.h"

namespace museum {

void Findings::Add(std::string where, std::string rule, std::string message) {
    m_findings.push_back({std::move(where), std::move(rule), std::move(message)});
}

std::size_t Findings::Count(std::string_view rule) const {
    return static_cast<std::size_t>(std::count_if(m_findings.begin(), m_findings.end(),
        [rule](const Finding& f) { return f.rule == rule; }));
}

void Findings::Print(std::ostream& out) const {
    for (const Finding& f : m_findings)
        out << f.where << ": [" << f.rule << "] " << cp932::ToUtf8Lossy(f.message) << '\n';
}

std::string Where(std::string_view file, int line) {
    return std::string(file) + ":" + std::to_string(line);
}

}  // namespace museum
