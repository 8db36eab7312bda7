#include "app/TextFileCodec.h"

#include "platform/Cp932.h"

namespace {

std::string Replace(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (;;) {
        std::size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

std::string WithPath(std::string_view path, std::string_view message) {
    std::string text = cp932::FromUtf8Lossy(path);
    text += '\n';
    text += message;
    return text;
}

bool IsAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

DecodedText DecodeTextFile(std::string_view bytes) {
    DecodedText result;
    result.crlf = bytes.find("\r\n") != std::string_view::npos;
    std::string utf8;
    if (bytes.find('\0') != std::string_view::npos) {
        result.readOnly = true;
        result.reason =
            "このファイルは NUL 文字を含むテキストでないファイルなので、読み取り専用で開きます。";
        utf8 = cp932::ToUtf8Lossy(bytes);
    } else if (!IsAscii(bytes) && cp932::IsValidUtf8(bytes)) {
        // Japanese UTF-8 is very often valid cp932 as well (as mojibake), while cp932
        // Japanese is almost never valid UTF-8: valid UTF-8 decides.
        result.encoding = TextEncoding::Utf8;
        utf8 = std::string(bytes);
    } else if (std::optional<std::string> sjis = cp932::ToUtf8(bytes);
               sjis && cp932::FromUtf8(*sjis) == std::string(bytes)) {
        utf8 = std::move(*sjis);
    } else {
        result.readOnly = true;
        result.reason =
            "このファイルには Shift-JIS でも UTF-8 でも表せないバイトがあるため、"
            "書き換えないように読み取り専用で開きます。";
        utf8 = cp932::ToUtf8Lossy(bytes);
    }
    result.utf8 = result.crlf ? Replace(utf8, "\r\n", "\n") : std::move(utf8);
    return result;
}

std::optional<std::string> EncodeTextFile(std::string_view utf8, TextEncoding encoding, bool crlf) {
    std::string text = crlf ? Replace(utf8, "\n", "\r\n") : std::string(utf8);
    if (encoding == TextEncoding::Utf8) return text;
    return cp932::FromUtf8(text);
}

std::string CannotEncodeMessage(std::string_view path) {
    return WithPath(path, "Shift-JIS で書けない文字があるため、保存しませんでした。");
}

std::string CannotWriteMessage(std::string_view path) {
    return WithPath(path, "ファイル に書き込めません.");
}
