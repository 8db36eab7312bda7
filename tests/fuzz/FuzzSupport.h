// Shared by the fuzz targets: a scratch folder for the input file, a sink that
// swallows notices, and a check that aborts with a message.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/NoticeWnd.h"

namespace fuzz {

class QuietSink final : public NoticeSink {
public:
    void MessageBox(std::string_view) override {}
    void Beep() override {}
};

// A folder of its own for this process, removed at exit. It lies in memory where it
// can: on a disk file system every rewrite of a truncated file is flushed (and its
// old blocks discarded) at close, which held a target to a few runs a second.
class Scratch {
public:
    Scratch() {
        std::error_code error;
        std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        std::string pattern = (base / "quillary-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        m_folder = pattern;
    }
    ~Scratch() {
        std::error_code error;
        std::filesystem::remove_all(m_folder, error);
    }
    const std::string& Folder() const { return m_folder; }

private:
    std::string m_folder;
};

inline const std::string& ScratchFolder() {
    static const Scratch scratch;
    return scratch.Folder();
}

// Writes bytes to name (which may start with a folder) in the scratch folder.
inline std::string WriteScratch(std::string_view name, std::string_view bytes) {
    std::string path = ScratchFolder() + "/" + std::string(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// The lines of a commentary file that are exactly "[*]" (LF or CR LF ends a line).
inline int CountSectionLines(std::string_view text) {
    int count = 0;
    for (std::size_t at = text.find("[*]"); at != std::string_view::npos;
         at = text.find("[*]", at + 1)) {
        std::string_view after = text.substr(at + 3);
        if ((at == 0 || text[at - 1] == '\n') &&
            (after.empty() || after.starts_with('\n') || after.starts_with("\r\n")))
            ++count;
    }
    return count;
}

// A section to append to a commentary file: its preface is "x" and its season "s".
// The CR LF in front keeps a last line that ends in a lone CR as it was.
inline constexpr char kExtraSection[] = "\r\n[*]\r\n1:x\r\n3:s\r\n";

#define FUZZ_CHECK(condition)                                                   \
    do {                                                                        \
        if (!(condition)) {                                                     \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition,      \
                         __FILE__, __LINE__);                                   \
            std::abort();                                                       \
        }                                                                       \
    } while (0)

}  // namespace fuzz
