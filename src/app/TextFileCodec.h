// How the edit window reads and writes a text file. A file with non-ASCII bytes that
// are valid UTF-8 is read as UTF-8 (Japanese UTF-8 is often valid cp932 too, as
// mojibake; cp932 Japanese is almost never valid UTF-8); otherwise it is read as cp932
// when its bytes are cp932 that converts back to the very same bytes. A file that is neither (or
// holds NUL bytes, as binary files do) is shown as well as cp932 allows and opened read-only, with
// the reason, so that no byte is ever replaced silently. Saving writes the text back in the
// encoding it was read in, with the line ends it had (CR LF when the file had any).
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class TextEncoding { Cp932, Utf8 };

struct DecodedText {
    std::string utf8;  // "\n" line ends
    TextEncoding encoding = TextEncoding::Cp932;
    bool crlf = false;
    bool readOnly = false;
    std::string reason;  // cp932 text for the user when readOnly
};

DecodedText DecodeTextFile(std::string_view bytes);

// The bytes to write; nullopt when the text holds a character the encoding cannot carry.
std::optional<std::string> EncodeTextFile(std::string_view utf8, TextEncoding encoding, bool crlf);

// cp932 messages of the edit window (the path in file-system bytes).
std::string CannotEncodeMessage(std::string_view path);
std::string CannotWriteMessage(std::string_view path);
