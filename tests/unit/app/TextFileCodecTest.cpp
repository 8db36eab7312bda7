#include <gtest/gtest.h>

#include "app/TextFileCodec.h"
#include "platform/Cp932.h"

namespace {

TEST(TextFileCodec, Cp932FileIsReadAndWrittenAsCp932) {
    const std::string bytes = "俳句\r\n季語\r\n";  // cp932 in this file
    DecodedText text = DecodeTextFile(bytes);
    EXPECT_EQ(text.encoding, TextEncoding::Cp932);
    EXPECT_TRUE(text.crlf);
    EXPECT_FALSE(text.readOnly);
    EXPECT_EQ(text.utf8, "\xe4\xbf\xb3\xe5\x8f\xa5\n\xe5\xad\xa3\xe8\xaa\x9e\n");
    EXPECT_EQ(EncodeTextFile(text.utf8, text.encoding, text.crlf), bytes);
}

TEST(TextFileCodec, Utf8FileIsWrittenBackAsUtf8) {
    const std::string bytes = "\xe4\xbf\xb3\xe5\x8f\xa5\n\xf0\x9f\x8c\xb8 spring\n";
    DecodedText text = DecodeTextFile(bytes);
    EXPECT_EQ(text.encoding, TextEncoding::Utf8);
    EXPECT_FALSE(text.crlf);
    EXPECT_FALSE(text.readOnly);
    EXPECT_EQ(text.utf8, bytes);
    EXPECT_EQ(EncodeTextFile(text.utf8, text.encoding, text.crlf), bytes);
}

TEST(TextFileCodec, BytesNeitherEncodingCarriesOpenReadOnlyWithAReason) {
    const std::string bytes = "abc\x81\x0a\xff\xfe";
    DecodedText text = DecodeTextFile(bytes);
    EXPECT_TRUE(text.readOnly);
    EXPECT_FALSE(text.reason.empty());
    EXPECT_TRUE(cp932::IsValidCp932(text.reason));
}

TEST(TextFileCodec, BinaryFileOpensReadOnly) {
    DecodedText text = DecodeTextFile(std::string("ab\0cd", 5));
    EXPECT_TRUE(text.readOnly);
}

TEST(TextFileCodec, Cp932WithoutAnExactRoundTripIsNotTakenAsCp932) {
    // 0xED40 (an NEC-selected duplicate) reads as U+7E8A, which cp932 writes as 0xFA5C:
    // saving would change the bytes, so the file is not treated as plain cp932.
    DecodedText text = DecodeTextFile("\xed\x40");
    EXPECT_TRUE(text.readOnly);
}

TEST(TextFileCodec, TextCp932CannotCarryIsNotWrittenAsCp932) {
    EXPECT_EQ(EncodeTextFile("\xf0\x9f\x8c\xb8", TextEncoding::Cp932, false), std::nullopt);
    EXPECT_EQ(EncodeTextFile("a\nb", TextEncoding::Utf8, true), "a\r\nb");
}

}  // namespace

namespace {

TEST(TextFileCodec, JapaneseUtf8ThatIsAlsoValidCp932IsReadAsUtf8) {
    const std::string bytes = "\xe4\xbf\xb3\xe5\x8f\xa5\n";  // "俳句" in UTF-8
    ASSERT_TRUE(cp932::IsValidCp932(bytes));                 // and cp932 mojibake
    DecodedText text = DecodeTextFile(bytes);
    EXPECT_EQ(text.encoding, TextEncoding::Utf8);
    EXPECT_EQ(text.utf8, bytes);
}

TEST(TextFileCodec, AsciiFileIsCp932) {
    EXPECT_EQ(DecodeTextFile("plain\n").encoding, TextEncoding::Cp932);
}

}  // namespace
