#include <gtest/gtest.h>

#include "app/TextFileCodec.h"
#include "platform/Cp932.h"

namespace {

TEST(TextFileCodec, EveryEncodingAndLineEndRoundTripsByteForByte) {
    const struct {
        std::string bytes;
        TextEncoding encoding;
        std::string shown;
    } cases[] = {
        {"俳句\r\n季語\r\n", TextEncoding::Cp932, "\xe4\xbf\xb3\xe5\x8f\xa5\n\xe5\xad\xa3\xe8\xaa\x9e\n"},
        {"\xe4\xbf\xb3\n\xf0\x9f\x8c\xb8 spring\n", TextEncoding::Utf8, "\xe4\xbf\xb3\n\xf0\x9f\x8c\xb8 spring\n"},
        {"\xef\xbb\xbf" "abc\r\n", TextEncoding::Utf8, "abc\n"},  // a byte-order mark
        {"a\rb\rc", TextEncoding::Cp932, "a\nb\nc"},                // CR only
        {"a\nb\rc\n", TextEncoding::Cp932, "a\nb\nc\n"},            // a lone CR among LF
        {"a\nb\r\nc\nd\r\n", TextEncoding::Cp932, "a\nb\nc\nd\n"},  // LF and CR LF mixed
        {"a\r\nb\rc\r\n", TextEncoding::Cp932, "a\nb\nc\n"},        // a lone CR among CR LF
        {"\xe4\xbf\xb3\xe2\x80\xa9x\n", TextEncoding::Utf8, "\xe4\xbf\xb3\nx\n"},  // U+2029
        {"plain\n", TextEncoding::Cp932, "plain\n"},
    };
    for (const auto& c : cases) {
        DecodedText text = DecodeTextFile(c.bytes);
        EXPECT_FALSE(text.readOnly) << c.bytes;
        EXPECT_EQ(text.layout.encoding, c.encoding) << c.bytes;
        EXPECT_EQ(text.utf8, c.shown);
        EXPECT_EQ(EncodeTextFile(text.utf8, text.utf8, text.layout), c.bytes);  // unedited
    }
}

TEST(TextFileCodec, AnEditKeepsTheMarkAndTheEndsOfUntouchedLines) {
    const struct {
        std::string bytes;
        std::string edited;
        std::string saved;
    } cases[] = {
        {"\xef\xbb\xbf" "a\rb\nc\r\nd", "a\nB\nc\nd", "\xef\xbb\xbf" "a\rB\nc\r\nd"},  // same count
        {"a\rb\nc\r\nd", "a\nnew\nb\nc\nd", "a\rnew\nb\nc\r\nd"},    // a line added
        {"a\rb\nc\r\nd\r\n", "a\nc\nd\n", "a\rc\r\nd\r\n"},            // a line removed
        {"a\nb\n", "a\nb\nc\n", "a\nb\nc\n"},                          // new lines: most common end
        {"a\rb\n\nc", "a\n\nc", "a\r\r\nc"},  // never a lone CR just before an LF
    };
    for (const auto& c : cases) {
        DecodedText text = DecodeTextFile(c.bytes);
        EXPECT_EQ(EncodeTextFile(c.edited, text.utf8, text.layout), c.saved) << c.edited;
    }
}

TEST(TextFileCodec, BytesTheWindowCannotKeepOpenReadOnlyWithAReason) {
    // Bytes of neither encoding, a NUL (binary file), a UTF-8 mark before non-UTF-8, and
    // 0xED40 (an NEC-selected duplicate) that cp932 would write back as 0xFA5C.
    for (std::string bytes : {std::string("abc\x81\x0a\xff\xfe"), std::string("ab\0cd", 5),
                              std::string("\xef\xbb\xbf\x94\x6f"), std::string("\xed\x40")}) {
        DecodedText text = DecodeTextFile(bytes);
        EXPECT_TRUE(text.readOnly) << bytes;
        EXPECT_TRUE(!text.reason.empty() && cp932::IsValidCp932(text.reason));
    }
}

// "俳句" in UTF-8 is also valid cp932 (mojibake) and is read as UTF-8; text cp932 cannot
// carry is not written as cp932; a new UTF-8 file gets CR LF.
TEST(TextFileCodec, Utf8WinsAndTextCp932CannotCarryIsNotWrittenAsCp932) {
    const std::string bytes = "\xe4\xbf\xb3\xe5\x8f\xa5\n";
    ASSERT_TRUE(cp932::IsValidCp932(bytes));
    EXPECT_EQ(DecodeTextFile(bytes).layout.encoding, TextEncoding::Utf8);
    EXPECT_EQ(EncodeTextFile("\xf0\x9f\x8c\xb8", "", TextFileLayout{}), std::nullopt);
    TextFileLayout utf8;
    utf8.encoding = TextEncoding::Utf8;
    EXPECT_EQ(EncodeTextFile("a\nb", "", utf8), "a\r\nb");
}

}  // namespace
