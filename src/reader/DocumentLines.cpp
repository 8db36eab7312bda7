#include "reader/DocumentLines.h"

#include "platform/Cp932.h"

namespace document_lines {

std::string ToCp932(std::string bytes) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (!std::string_view(bytes).starts_with(kBom)) return bytes;
    return cp932::FromUtf8Lossy(std::string_view(bytes).substr(kBom.size()));
}

}  // namespace document_lines
