// One INI file read and written with the semantics of the Windows private-profile
// functions, on cp932 byte strings:
//   - section and key names match without regard to ASCII case;
//   - of duplicate keys the first one wins; of sections of one name only the first is
//     read and written;
//   - a line is a section header only with both brackets ("[name]"); a UTF-8
//     byte-order mark at the start of the file does not hide the first one;
//   - LF ends a line, a CR just before the LF belongs to the line end, any other CR
//     stays in the line;
//   - a missing section or key gives the caller's default;
//   - an integer is read from the value's leading decimal digits ("12abc" is 12,
//     "abc" is 0, an empty value gives the default);
//   - spaces and tabs around names and values are not part of them;
//   - writing changes one line (or adds one) and keeps every other byte of the file.
// Every call reads the file afresh; nothing is cached. A write replaces the file as
// WriteFileReplacing does (FileReplace.h), so a failed write (read-only file, full
// disk, a kill) leaves the old file exactly as it was.
//
//   CPrivateProfile ini("/home/me/museum/quillary.INI");
//   int n = ini.GetInt("Settings", "onepoint", 1);
//   ini.WriteString("Find Strings", "Find1", "abc");
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileReplace.h"

// The text of an INI file in memory: lookup and single-value edits.
class CIniText {
public:
    explicit CIniText(std::string text = {}) : m_text(std::move(text)) {}

    // The value of the first matching key in the first section of that name.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // Calls visit(key, value) for each key line of the first section of that name, in
    // file order, until visit returns false.
    void ForEachKey(std::string_view section,
                    const std::function<bool(std::string_view, std::string_view)>& visit) const;
    // Sets a value: replaces the first matching key's line, or adds the key at the end
    // of the first matching section, or adds the section at the end of the text.
    // Line breaks inside value are turned into spaces so they cannot break the file.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

// "12abc" -> 12, "-3" -> -3, "abc" -> 0; an empty value gives def.
int ParseProfileInt(std::string_view value, int def);

// Compares two cp932 names, folding ASCII letters only (never a trail byte).
bool EqualNoCaseCp932(std::string_view a, std::string_view b);

class CPrivateProfile {
public:
    explicit CPrivateProfile(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view def) const;
    int GetInt(std::string_view section, std::string_view key, int def) const;

    // False when the file could not be written; the file is then unchanged.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) const;
    bool WriteInt(std::string_view section, std::string_view key, int value) const;

private:
    std::string m_path;
};
