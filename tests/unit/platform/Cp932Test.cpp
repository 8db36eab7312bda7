#include "platform/Cp932.h"

#include <gtest/gtest.h>

// Literals in core and tests are cp932; a cut never splits a double-byte character, and
// a trail byte that looks like ASCII is no character start.
TEST(Cp932, LiteralsCutsAndCharacterStarts) {
    EXPECT_EQ(std::string("表"), std::string("\x95\x5C"));
    const std::string text = "aあい";  // 61 82A0 82A2
    for (auto [size, cut] : {std::pair{2, "a"}, {3, "aあ"}, {4, "aあ"}, {99, "aあい"}, {0, ""}})
        EXPECT_EQ(cp932::CutAtCharBoundary(text, static_cast<std::size_t>(size)), cut) << size;
    const std::string backslash = "表\\";  // 95 5C 5C: the first 5C is a trail byte
    EXPECT_EQ((std::vector<bool>{cp932::IsCharStart(backslash, 0), cp932::IsCharStart(backslash, 1),
                                 cp932::IsCharStart(backslash, 2)}),
              (std::vector<bool>{true, false, true}));
}

TEST(Cp932, RoundTripsThroughUtf8AndRejectsBytesOutsideTheCodePage) {
    std::string text = "『Tavelo』博物館 V1.02";
    auto utf8 = cp932::ToUtf8(text);
    ASSERT_TRUE(utf8.has_value());
    EXPECT_EQ(*utf8, std::string(reinterpret_cast<const char*>(u8"『Tavelo』博物館 V1.02")));
    EXPECT_EQ(cp932::FromUtf8(*utf8), text);
    EXPECT_FALSE(cp932::IsValidCp932("\x82"));      // lone lead byte at the end
    EXPECT_FALSE(cp932::IsValidCp932("a\xFF" "b"));  // never valid
    EXPECT_EQ(cp932::ToUtf8Lossy("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_FALSE(cp932::FromUtf8("\xC3").has_value());  // truncated UTF-8
    // The converters stay open between calls: a failed text leaves nothing behind.
    EXPECT_EQ(cp932::FromUtf8("abc"), "abc");
    EXPECT_FALSE(cp932::ToUtf8("\x82").has_value());
    EXPECT_EQ(cp932::ToUtf8("A"), "A");
}
