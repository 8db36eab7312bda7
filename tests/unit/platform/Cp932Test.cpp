#include "platform/Cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, LiteralsInCoreAndTestsAreCp932) {
    EXPECT_EQ(std::string("表"), std::string("\x95\x5C"));
}

TEST(Cp932, CutNeverSplitsADoubleByteCharacter) {
    std::string text = "aあい";  // 61 82A0 82A2
    EXPECT_EQ(cp932::CutAtCharBoundary(text, 2), "a");
    EXPECT_EQ(cp932::CutAtCharBoundary(text, 3), "aあ");
    EXPECT_EQ(cp932::CutAtCharBoundary(text, 4), "aあ");
    EXPECT_EQ(cp932::CutAtCharBoundary(text, 99), text);
    EXPECT_EQ(cp932::CutAtCharBoundary(text, 0), "");
}

TEST(Cp932, CharStartSkipsTrailBytesThatLookLikeAscii) {
    std::string text = "表\\";  // 95 5C 5C: the first 5C is a trail byte
    EXPECT_TRUE(cp932::IsCharStart(text, 0));
    EXPECT_FALSE(cp932::IsCharStart(text, 1));
    EXPECT_TRUE(cp932::IsCharStart(text, 2));
}

TEST(Cp932, RoundTripsThroughUtf8) {
    std::string text = "『Tavelo』博物館 V1.02";
    auto utf8 = cp932::ToUtf8(text);
    ASSERT_TRUE(utf8.has_value());
    EXPECT_EQ(*utf8, std::string(reinterpret_cast<const char*>(u8"『Tavelo』博物館 V1.02")));
    EXPECT_EQ(cp932::FromUtf8(*utf8), text);
}

TEST(Cp932, RejectsBytesOutsideTheCodePage) {
    EXPECT_FALSE(cp932::IsValidCp932("\x82"));      // lone lead byte at the end
    EXPECT_FALSE(cp932::IsValidCp932("a\xFF" "b"));  // never valid
    EXPECT_TRUE(cp932::IsValidCp932("abc"));
    EXPECT_EQ(cp932::ToUtf8Lossy("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_FALSE(cp932::FromUtf8("\xC3").has_value());  // truncated UTF-8
    // The converters stay open between calls: a failed text leaves nothing behind.
    EXPECT_EQ(cp932::FromUtf8("abc"), "abc");
    EXPECT_FALSE(cp932::ToUtf8("\x82").has_value());
    EXPECT_EQ(cp932::ToUtf8("A"), "A");
}
