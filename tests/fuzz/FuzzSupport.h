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

// A folder of its own for this process, removed at exit.
class Scratch {
public:
    Scratch() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillary-fuzz-XXXXXX").string();
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

inline std::string WriteScratch(std::string_view name, std::string_view bytes) {
    std::string path = ScratchFolder() + "/" + std::string(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

#define FUZZ_CHECK(condition)                                                   \
    do {                                                                        \
        if (!(condition)) {                                                     \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition,      \
                         __FILE__, __LINE__);                                   \
            std::abort();                                                       \
        }                                                                       \
    } while (0)

}  // namespace fuzz
