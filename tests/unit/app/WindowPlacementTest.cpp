#include <gtest/gtest.h>

#include "app/WindowPlacement.h"

namespace {

TEST(WindowPlacement, FormatsTenNumbersInRecordOrder) {
    WindowPlacement p{2, 3, -1, -2, -8, -8, 100, 50, 900, 650};
    EXPECT_EQ(p.Format(), "2,3,-1,-2,-8,-8,100,50,900,650");
}

TEST(WindowPlacement, ParsesAsScanfReadsIt) {
    auto p = WindowPlacement::Parse("0, 1,-1,-1,-1,-1, 10,20,300,400 trailing");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Format(), "0,1,-1,-1,-1,-1,10,20,300,400");
}

TEST(WindowPlacement, RefusesFewerThanTenNumbers) {
    EXPECT_FALSE(WindowPlacement::Parse(""));
    EXPECT_FALSE(WindowPlacement::Parse("0,1,2"));
    EXPECT_FALSE(WindowPlacement::Parse("0,1,-1,-1,-1,-1,10,20,300"));
    EXPECT_FALSE(WindowPlacement::Parse("0,1,-1,-1,-1,-1,10,20,300,"));
    EXPECT_FALSE(WindowPlacement::Parse("0;1;-1;-1;-1;-1;10;20;300;400"));
    EXPECT_FALSE(WindowPlacement::Parse("-5,1,-1,-1,-1,-1,10,20,300,400"));
    EXPECT_FALSE(WindowPlacement::Parse("0,1,-1,-1,-1,-1,10,20,300,99999999999999999999"));
}

TEST(WindowPlacement, UsableOnlyWithASizeNearAnyScreen) {
    EXPECT_TRUE((WindowPlacement{0, 1, -1, -1, -1, -1, 10, 20, 300, 400}.IsUsable()));
    EXPECT_TRUE((WindowPlacement{0, 1, -1, -1, -1, -1, -5000, -5000, -4000, -4000}.IsUsable()));
    EXPECT_FALSE((WindowPlacement{0, 1, -1, -1, -1, -1, 300, 20, 300, 400}.IsUsable()));
    EXPECT_FALSE((WindowPlacement{0, 1, -1, -1, -1, -1, 10, 20, 300, 5}.IsUsable()));
    EXPECT_FALSE((WindowPlacement{0, 1, -1, -1, -1, -1, 0, 0, 2000000000, 400}.IsUsable()));
    EXPECT_FALSE((WindowPlacement{0, 42, -1, -1, -1, -1, 10, 20, 300, 400}.IsUsable()));
}

TEST(WindowPlacement, ComesBackMaximisedWhenItWasMaximised) {
    EXPECT_TRUE((WindowPlacement{2, 3, -1, -1, -1, -1, 0, 0, 10, 10}.IsMaximized()));
    EXPECT_TRUE((WindowPlacement{2, 2, -1, -1, -1, -1, 0, 0, 10, 10}.IsMaximized()));
    EXPECT_FALSE((WindowPlacement{0, 2, -1, -1, -1, -1, 0, 0, 10, 10}.IsMaximized()));
    EXPECT_FALSE((WindowPlacement{0, 1, -1, -1, -1, -1, 0, 0, 10, 10}.IsMaximized()));
}

}  // namespace
