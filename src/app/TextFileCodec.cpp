#include "app/TextFileCodec.h"

#include <algorithm>
#include <array>

#include "platform/Cp932.h"

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";

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

std::string_view BytesOf(LineEnd end) {
    switch (end) {
        case LineEnd::Lf: return "\n";
        case LineEnd::CrLf: return "\r\n";
        case LineEnd::Cr: return "\r";
        case LineEnd::ParagraphSeparator: return kParagraphSeparator;
    }
    return "\n";
}

std::vector<std::string_view> SplitAtLf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    for (;;) {
        std::size_t lf = text.find('\n', pos);
        if (lf == std::string_view::npos) break;
        lines.push_back(text.substr(pos, lf - pos));
        pos = lf + 1;
    }
    lines.push_back(text.substr(pos));
    return lines;
}

// Splits UTF-8 text at every line end, giving "\n"-separated text and the ends.
std::string NormalizeLineEnds(std::string_view text, std::vector<LineEnd>& ends) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\n') {
            ends.push_back(LineEnd::Lf);
        } else if (c == '\r') {
            bool crlf = i + 1 < text.size() && text[i + 1] == '\n';
            ends.push_back(crlf ? LineEnd::CrLf : LineEnd::Cr);
            if (crlf) ++i;
        } else if (text.substr(i, 3) == kParagraphSeparator) {
            ends.push_back(LineEnd::ParagraphSeparator);
            i += 2;
        } else {
            out += c;
            continue;
        }
        out += '\n';
    }
    return out;
}

LineEnd MostCommon(const std::vector<LineEnd>& ends) {
    if (ends.empty()) return LineEnd::CrLf;
    std::array<std::size_t, 4> count{};
    for (LineEnd end : ends) ++count[static_cast<std::size_t>(end)];
    return static_cast<LineEnd>(std::max_element(count.begin(), count.end()) - count.begin());
}

}  // namespace

DecodedText DecodeTextFile(std::string_view bytes) {
    DecodedText result;
    TextFileLayout& layout = result.layout;
    if (bytes.starts_with(kBom)) {
        layout.bom = true;
        bytes.remove_prefix(kBom.size());
    }
    std::string utf8;
    if (bytes.find('\0') != std::string_view::npos) {
        result.readOnly = true;
        result.reason =
            "このファイルは NUL 文字を含むテキストでないファイルなので、読み取り専用で開きます。";
        utf8 = cp932::ToUtf8Lossy(bytes);
    } else if (layout.bom || (!IsAscii(bytes) && cp932::IsValidUtf8(bytes))) {
        // Japanese UTF-8 is very often valid cp932 as well (as mojibake), while cp932
        // Japanese is almost never valid UTF-8: valid UTF-8 (or its mark) decides.
        layout.encoding = TextEncoding::Utf8;
        if (cp932::IsValidUtf8(bytes)) {
            utf8 = std::string(bytes);
        } else {
            result.readOnly = true;
            result.reason =
                "このファイルは UTF-8 の印で始まるのに UTF-8 でないバイトがあるため、"
                "書き換えないように読み取り専用で開きます。";
            utf8 = cp932::ToUtf8Lossy(bytes);
        }
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
    result.utf8 = NormalizeLineEnds(utf8, layout.lineEnds);
    layout.newLineEnd = MostCommon(layout.lineEnds);
    return result;
}

std::optional<std::string> EncodeTextFile(std::string_view utf8, std::string_view original,
                                          const TextFileLayout& layout) {
    // Lines the edit left alone keep their ends: those of the unchanged lines before and
    // after the edited stretch, and, where the edit kept the number of lines, every line
    // in their places. Other lines get the new-line end.
    const std::vector<std::string_view> now = SplitAtLf(utf8);
    const std::vector<std::string_view> before = SplitAtLf(original);
    const std::vector<LineEnd>& ends = layout.lineEnds;
    const std::size_t n = now.size();
    const std::size_t m = before.size();
    const bool known = m == ends.size() + 1;
    const std::size_t limit = std::min(n, m);
    std::size_t head = 0;  // equal lines at the start
    while (head < limit && now[head] == before[head]) ++head;
    std::size_t tail = 0;  // equal lines at the end, not overlapping the head
    while (head + tail < limit && now[n - 1 - tail] == before[m - 1 - tail]) ++tail;
    auto endOf = [&](std::size_t line) {  // the end after now[line]
        if (!known) return layout.newLineEnd;
        if (n == m) return ends[line];
        if (line < head && line + 1 < m) return ends[line];
        std::size_t fromLast = n - 1 - line;
        if (fromLast < tail) return ends[m - 1 - fromLast];
        return layout.newLineEnd;
    };
    std::string text;
    text.reserve(utf8.size() + utf8.size() / 16 + kBom.size());
    if (layout.bom) text += kBom;
    for (std::size_t i = 0; i < now.size(); ++i) {
        text += now[i];
        if (i + 1 == now.size()) break;
        LineEnd end = endOf(i);
        // An LF straight after a lone CR (an empty line between them) would read as one
        // CR LF and lose a line.
        if (end == LineEnd::Lf && !text.empty() && text.back() == '\r') end = LineEnd::CrLf;
        text += BytesOf(end);
    }
    if (layout.encoding == TextEncoding::Utf8) return text;
    return cp932::FromUtf8(text);
}

std::string CannotEncodeMessage(std::string_view path) {
    return WithPath(path, "Shift-JIS で書けない文字があるため、保存しませんでした。");
}

std::string CannotWriteMessage(std::string_view path) {
    return WithPath(path, "ファイル に書き込めません.");
}

std::string HardLinkedMessage(std::string_view path) {
    return WithPath(path,
                    "このファイルには別の名前 (ハードリンク) もあるため、すべての名前を一度に"
                    "書き換えられません。保存しませんでした。");
}

std::string TooLargeMessage(std::string_view path, long long limitMegabytes) {
    return WithPath(path, "ファイルが大きすぎるため開きません (編集窓で開けるのは " +
                              std::to_string(limitMegabytes) + " MB までです).");
}

std::string CannotKeepReason() {
    return "このファイルには編集窓がそのまま保てない文字があるため、"
           "書き換えないように読み取り専用で開きます。";
}

std::string ReadOnlyMessage(std::string_view path, std::string_view reason) {
    return WithPath(path, reason);
}
