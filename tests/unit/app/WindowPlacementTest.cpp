#include <gtest/gtest.h>

#include "app/WindowPlacement.h"

namespace {

// Ten numbers as scanf reads them, written back in record order; anything else is refused.
TEST(WindowPlacement, ParsesTenNumbersAndFormatsThemInRecordOrder) {
    auto p = WindowPlacement::Parse("2, 3,-1,-2,-8,-8, 10,20,300,400 trailing");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Format(), "2,3,-1,-2,-8,-8,10,20,300,400");
    for (const char* text : {"0,1,2", "0,1,-1,-1,-1,-1,10,20,300,", "0;1", "99999999999",
                             "-5,1,-1,-1,-1,-1,10,20,300,400"})
        EXPECT_FALSE(WindowPlacement::Parse(text)) << text;
}

// Usable only with a size near any screen and a known show state; maximised when it was.
// (Far off every screen, and maximised: the next-start window tests.)
TEST(WindowPlacement, UsableAndMaximised) {
    const struct {
        WindowPlacement p;
        bool usable, maximized;
    } cases[] = {
        {{0, 1, -1, -1, -1, -1, 10, 20, 300, 400}, true, false},
        {{0, 1, -1, -1, -1, -1, 300, 20, 300, 400}, false, false},
        {{0, 1, -1, -1, -1, -1, 10, 20, 300, 5}, false, false},
        {{0, 1, -1, -1, -1, -1, 0, 0, 2000000000, 400}, false, false},
        {{0, 42, -1, -1, -1, -1, 10, 20, 300, 400}, false, false},
        {{2, 2, -1, -1, -1, -1, 0, 0, 10, 10}, true, true},
        {{0, 2, -1, -1, -1, -1, 0, 0, 10, 10}, true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.p.IsUsable(), c.usable) << c.p.Format();
        EXPECT_EQ(c.p.IsMaximized(), c.maximized) << c.p.Format();
    }
}

}  // namespace
