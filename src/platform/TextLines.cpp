#include "platform/TextLines.h"

#include <filesystem>
#include <fstream>

namespace text_lines {

bool ForEachFileLine(const std::string& path, const std::function<bool(std::string_view)>& onLine) {
    std::error_code error;
    // Only a regular file: a directory fails on its first read, a FIFO or device could block.
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    constexpr std::size_t kPiece = 64 * 1024;
    std::string pending;  // the lines read but not yet handed on, the last one perhaps partial
    bool going = true;
    while (going) {
        const std::size_t searched = pending.size();
        pending.resize(searched + kPiece);
        in.read(pending.data() + searched, static_cast<std::streamsize>(kPiece));
        const auto got = static_cast<std::size_t>(in.gcount());
        pending.resize(searched + got);
        if (in.bad()) return false;
        if (got == 0) break;
        // Whole lines only: a CR at the end of a piece may belong to an LF in the next.
        // What was pending before this piece held no LF, so only the piece is searched.
        const std::size_t lf = std::string_view(pending).substr(searched).rfind('\n');
        if (lf == std::string_view::npos) continue;
        const std::size_t lastLf = searched + lf;
        ForEachLine(std::string_view(pending).substr(0, lastLf + 1), [&](std::string_view line) {
            going = onLine(line);
            return going;
        });
        pending.erase(0, lastLf + 1);
    }
    if (going && !pending.empty()) onLine(pending);
    return true;
}

}  // namespace text_lines
