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
        // 秋 at bytes 43-44 of a row stays whole there, and the next row keeps its own
        // bytes (the first row's case: the card's window test).
        {full + std::string(43, 'd') + "秋e" + std::string(42, ' '),
         full + "\n" + std::string(43, 'd') + "秋\ne"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cardtext::InterpretationLines(c.text, 44), c.lines) << c.lines;
    }
}
