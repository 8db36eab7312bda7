// Included by the one source file of each fuzz target, which defines fuzz::Test: the
// libFuzzer entry here hands it the input with notices swallowed. Also a scratch
// folder for the input file and a check that aborts with a message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/NoticeWnd.h"

namespace fuzz {

void Test(const std::string& bytes);

// The byte at index as a number, or fallback past the end: inputs choose sizes and places.
inline int Byte(std::string_view bytes, std::size_t index, int fallback) {
    return index < bytes.size() ? static_cast<unsigned char>(bytes[index]) : fallback;
}

// A folder of its own for this process, removed at exit. It lies in memory where it
// can: on a disk file system every rewrite of a truncated file is flushed (and its
// old blocks discarded) at close, which held a target to a few runs a second.
inline const std::string& ScratchFolder() {
    static const struct Scratch {
        std::string folder;
        Scratch() {
            std::error_code error;
            std::filesystem::path base = "/dev/shm";
            if (!std::filesystem::is_directory(base, error))
                base = std::filesystem::temp_directory_path();
            folder = (base / "quillary-fuzz-XXXXXX").string();
            if (!mkdtemp(folder.data())) std::abort();
        }
        ~Scratch() {
            std::error_code error;
            std::filesystem::remove_all(folder, error);
        }
    } scratch;
    return scratch.folder;
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
        count += (at == 0 || text[at - 1] == '\n') &&
                 (after.empty() || after.starts_with('\n') || after.starts_with("\r\n"));
    }
    return count;
}

// A section to append to a commentary file: its preface is "x" and its season "s".
// The CR LF in front keeps a last line that ends in a lone CR as it was.
inline constexpr char kExtraSection[] = "\r\n[*]\r\n1:x\r\n3:s\r\n";

[[noreturn]] inline void Fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "check failed: %s (%s:%d)\n", condition, file, line);
    std::abort();
}
#define FUZZ_CHECK(condition) \
    ((condition) ? (void)0 : fuzz::Fail(#condition, __FILE__, __LINE__))

}  // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    struct QuietSink final : NoticeSink {
        void MessageBox(std::string_view) override {}
        void Beep() override {}
    };
    static QuietSink sink;
    SetNoticeSink(&sink);
    fuzz::Test(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
