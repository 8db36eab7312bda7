// What a caller hands the reader dialog: the document to open, the title for
// the caption and the key of the topic to open at.
#pragma once

#include <string>
#include <string_view>

#include "platform/Cp932.h"

class ReaderRequest {
public:
    static constexpr std::size_t kMaxTextBytes = 127;

    // A file-system path (UTF-8 on this platform); no limit.
    void SetPath(std::string path) { m_path = std::move(path); }
    // cp932 texts, cut to 127 bytes at a character boundary.
    void SetTitle(std::string_view title) { m_title = cp932::CutAtCharBoundary(title, kMaxTextBytes); }
    void SetInitialKey(std::string_view key) { m_initialKey = cp932::CutAtCharBoundary(key, kMaxTextBytes); }

    const std::string& Path() const { return m_path; }
    const std::string& Title() const { return m_title; }
    const std::string& InitialKey() const { return m_initialKey; }

    // "ファイル:<path>に\n検索キーワード:<key>が\n見つかりません。" in cp932, shown when
    // no topic carries the initial key.
    std::string MissingKeyMessage() const;

private:
    std::string m_path;
    std::string m_title;
    std::string m_initialKey;
};
