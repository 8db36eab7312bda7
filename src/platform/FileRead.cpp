#include "platform/FileRead.h"

#include <filesystem>

bool OpenRegularFile(const std::string& path, std::ifstream& in) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    in.open(path, std::ios::binary);
    return static_cast<bool>(in);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in;
    if (!OpenRegularFile(path, in)) return std::nullopt;
    std::string bytes;
    char buffer[64 * 1024];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}
