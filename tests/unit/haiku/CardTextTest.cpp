#include "haiku/CardText.h"

#include <gtest/gtest.h>

TEST(CardText, EachInterpretationRowIsTheFilesOwnRow) {
    const std::string pad24(24, ' '), full(44, 'x');
    struct Case {
        std::string text, lines;
    } cases[] = {
        {"", ""},
        {"山の雪が解けはじめ、" + pad24 + full + "春。" + std::string(40, ' '),
         "山の雪が解けはじめ、\n" + full + "\n春。"},
        // 春 at bytes 43-44 stays whole on row 0; rows 1 and 2 keep their own bytes.
        {std::string(43, 'a') + "春bb" + std::string(41, ' ') + "夏" + std::string(42, ' ') + "c",
         std::string(43, 'a') + "春\nbb\n夏\nc"},
        // The same across a second row's end, after a full first row.
        {full + std::string(43, 'd') + "秋e" + std::string(42, ' '),
         full + "\n" + std::string(43, 'd') + "秋\ne"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cardtext::InterpretationLines(c.text, 44), c.lines) << c.lines;
    }
}
