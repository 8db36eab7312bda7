// Shift-JIS (code page 932) helpers. Core text is cp932 bytes held in std::string;
// these functions convert at the edges and keep cuts on character boundaries.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cp932 {

// True for a byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the character that starts at text[pos] (1 or 2; 1 for a lone
// lead byte at the end).
std::size_t CharLength(std::string_view text, std::size_t pos);

// True when pos is the start of a character (not the trail byte of a pair).
bool IsCharStart(std::string_view text, std::size_t pos);

// The longest prefix of text that fits in maxBytes without splitting a character.
std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes);

// Conversions through iconv. nullopt when the input holds bytes the source
// encoding cannot carry or the target cannot represent.
std::optional<std::string> ToUtf8(std::string_view cp932Text);
std::optional<std::string> FromUtf8(std::string_view utf8Text);

// Lossy conversions for display: undecodable bytes become U+FFFD / '?'.
std::string ToUtf8Lossy(std::string_view cp932Text);
std::string FromUtf8Lossy(std::string_view utf8Text);

bool IsValidCp932(std::string_view text);
bool IsValidUtf8(std::string_view text);

}  // namespace cp932
