#include "reader/DocumentLines.h"

#include "platform/Cp932.h"

namespace document_lines {

std::string_view LineConverter::operator()(std::string_view line) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (m_first) {
        m_first = false;
        m_utf8 = line.starts_with(kBom);
        if (m_utf8) line.remove_prefix(kBom.size());
    }
    if (!m_utf8) return line;
    m_converted = cp932::FromUtf8Lossy(line);
    return m_converted;
}

}  // namespace document_lines
