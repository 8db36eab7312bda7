#include "platform/Cp932.h"

#include <iconv.h>

#include <cerrno>

namespace cp932 {
namespace {

// An iconv descriptor opened once per thread and direction, and closed when the
// thread ends: opening one costs far more than a short conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (IsOpen()) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool IsOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    // The descriptor back in its initial shift state, ready for a new text.
    iconv_t Fresh() {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        return m_cd;
    }

private:
    iconv_t m_cd;
};

Converter& Cp932ToUtf8() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& Utf8ToCp932() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter& Utf8ToUtf16() {
    thread_local Converter converter("UTF-16LE", "UTF-8");
    return converter;
}

// Runs iconv over the whole input. On an invalid or unconvertible sequence it
// either fails (strict) or writes the replacement and skips one input character.
std::optional<std::string> Convert(Converter& converter, std::string_view in,
                                   bool strict, std::string_view replacement,
                                   bool inputIsCp932) {
    if (!converter.IsOpen()) return std::nullopt;
    iconv_t cd = converter.Fresh();
    std::string out;
    out.reserve(in.size() * 3 / 2 + 8);
    char buffer[4096];
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        if (strict) {
            ok = false;
            break;
        }
        out.append(replacement);
        std::size_t skip = 1;
        if (inputIsCp932) {
            std::string_view rest(src, srcLeft);
            skip = CharLength(rest, 0);
        } else {
            // Skip the rest of a UTF-8 sequence (continuation bytes).
            while (skip < srcLeft && (static_cast<unsigned char>(src[skip]) & 0xC0) == 0x80) ++skip;
        }
        if (skip > srcLeft) skip = srcLeft;
        src += skip;
        srcLeft -= skip;
    }
    if (ok) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
    }
    if (!ok) return std::nullopt;
    return out;
}

// ASCII reads the same in cp932 and UTF-8: such a text needs no converter at all.
bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    if (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return 2;
    return 1;
}

bool IsCharStart(std::string_view text, std::size_t pos) {
    std::size_t i = 0;
    while (i < pos) i += CharLength(text, i);
    return i == pos;
}

std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t next = end + CharLength(text, end);
        if (next > maxBytes) break;
        end = next;
    }
    return text.substr(0, end);
}

std::optional<std::string> ToUtf8(std::string_view cp932Text) {
    if (IsAscii(cp932Text)) return std::string(cp932Text);
    return Convert(Cp932ToUtf8(), cp932Text, true, {}, true);
}

std::optional<std::string> FromUtf8(std::string_view utf8Text) {
    if (IsAscii(utf8Text)) return std::string(utf8Text);
    return Convert(Utf8ToCp932(), utf8Text, true, {}, false);
}

std::string ToUtf8Lossy(std::string_view cp932Text) {
    if (IsAscii(cp932Text)) return std::string(cp932Text);
    return Convert(Cp932ToUtf8(), cp932Text, false, "\xEF\xBF\xBD", true).value_or(std::string());
}

std::string FromUtf8Lossy(std::string_view utf8Text) {
    if (IsAscii(utf8Text)) return std::string(utf8Text);
    return Convert(Utf8ToCp932(), utf8Text, false, "?", false).value_or(std::string());
}

bool IsValidCp932(std::string_view text) { return ToUtf8(text).has_value(); }

bool IsValidUtf8(std::string_view text) {
    return Convert(Utf8ToUtf16(), text, true, {}, false).has_value();
}

}  // namespace cp932
