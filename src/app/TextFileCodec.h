// How the edit window reads and writes a text file. A file with non-ASCII bytes that
// are valid UTF-8 is read as UTF-8 (Japanese UTF-8 is often valid cp932 too, as
// mojibake; cp932 Japanese is almost never valid UTF-8); otherwise it is read as cp932
// when its bytes are cp932 that converts back to the very same bytes. A file that is neither (or
// holds NUL bytes, as binary files do) is shown as well as cp932 allows and opened read-only, with
// the reason, so that no byte is ever replaced silently.
//
// Nothing the user did not touch changes: a UTF-8 byte-order mark is kept, and every
// line remembers its own line end (LF, CR LF, a lone CR or U+2029), so an unedited text
// is written back byte for byte and an edited one keeps the line ends of its untouched
// lines; new lines get the file's most common line end (CR LF in a new file).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class TextEncoding { Cp932, Utf8 };

// How one line of a file ends.
enum class LineEnd : unsigned char { Lf, CrLf, Cr, ParagraphSeparator };

// The layout of a file apart from its text: what saving must give back.
struct TextFileLayout {
    TextEncoding encoding = TextEncoding::Cp932;
    bool bom = false;                // a UTF-8 byte-order mark at the start
    std::vector<LineEnd> lineEnds;   // one for each line but the last
    LineEnd newLineEnd = LineEnd::CrLf;  // for lines the user adds
};

struct DecodedText {
    std::string utf8;  // "\n" line ends
    TextFileLayout layout;
    bool readOnly = false;
    std::string reason;  // cp932 text for the user when readOnly
};

DecodedText DecodeTextFile(std::string_view bytes);

// The bytes to write for utf8 ("\n" line ends) as edited from the text original was
// decoded to; nullopt when the text holds a character the encoding cannot carry.
std::optional<std::string> EncodeTextFile(std::string_view utf8, std::string_view original,
                                          const TextFileLayout& layout);

// cp932 messages of the edit window (the path in file-system bytes).
std::string CannotEncodeMessage(std::string_view path);
std::string CannotWriteMessage(std::string_view path);
std::string HardLinkedMessage(std::string_view path);
std::string TooLargeMessage(std::string_view path, long long limitMegabytes);
std::string ReadOnlyMessage(std::string_view path, std::string_view reason);
// Why a text the edit control would alter opens read-only.
std::string CannotKeepReason();
