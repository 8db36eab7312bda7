#include "reader/DocumentLines.h"

#include <filesystem>
#include <fstream>

#include "platform/Cp932.h"

namespace document_lines {

std::optional<std::string> ReadFile(const std::string& path) {
    std::error_code error;
    // Only a regular file: a FIFO or device could block the window.
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[64 * 1024];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::string ToCp932(std::string bytes) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (!std::string_view(bytes).starts_with(kBom)) return bytes;
    return cp932::FromUtf8Lossy(std::string_view(bytes).substr(kBom.size()));
}

}  // namespace document_lines
