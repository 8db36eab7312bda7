#include "haiku/CardText.h"

#include <gtest/gtest.h>

TEST(CardText, PhrasesAndReadingAreJoinedBySingleHalfWidthSpaces) {
    HaikuRecord r;
    r.line1 = "雪解けの";
    r.line2 = "千曲の瀬音";
    r.line3 = "高まりぬ";
    EXPECT_EQ(cardtext::HaikuLine(r), "雪解けの 千曲の瀬音 高まりぬ");
    CommentaryEntry e;
    EXPECT_EQ(cardtext::ReadingLine(e), "  ");  // no section: three empty parts
    e.reading1 = "ゆきどけの";
    e.reading2 = "ちくまのせおと";
    e.reading3 = "たかまりぬ";
    EXPECT_EQ(cardtext::ReadingLine(e), "ゆきどけの ちくまのせおと たかまりぬ");
}

TEST(CardText, NumberLineCountsFromOne) {
    EXPECT_EQ(cardtext::NumberLine("登録全句", 0), "登録全句の番号 : 1");
    EXPECT_EQ(cardtext::NumberLine("登録全句", 1730), "登録全句の番号 : 1731");
}

TEST(CardText, StepsStayWithinTheTable) {
    EXPECT_EQ(cardtext::StepIndex(0, -1, 1730), 0);
    EXPECT_EQ(cardtext::StepIndex(0, 1, 1730), 1);
    EXPECT_EQ(cardtext::StepIndex(5, 0, 1730), 4);  // only a positive delta goes forward
    EXPECT_EQ(cardtext::StepIndex(1730, 1, 1730), 1730);
    EXPECT_EQ(cardtext::StepIndex(1730, -1, 1730), 1729);
}

TEST(CardText, IndexFromTheProfileIsClampedToTheNearestHaiku) {
    EXPECT_EQ(cardtext::ClampIndex(-5, 1730), 0);
    EXPECT_EQ(cardtext::ClampIndex(99999, 1730), 1730);
    EXPECT_EQ(cardtext::ClampIndex(17, 1730), 17);
    EXPECT_EQ(cardtext::ClampIndex(3, -1), 0);  // an empty table
}

TEST(CardText, InterpretationRowsBecomeLinesWithoutTheirPadding) {
    const std::string first = "山の雪が解けはじめ、";          // 20 bytes
    const std::string second(44, 'x');                          // a full row
    const std::string third = "春。";
    std::string text = first + std::string(24, ' ') + second + third + std::string(40, ' ');
    EXPECT_EQ(cardtext::InterpretationLines(text, 44), first + "\n" + second + "\n" + third);
    EXPECT_EQ(cardtext::InterpretationLines("", 44), "");
}

TEST(CardText, InterpretationRowNeverSplitsACharacter) {
    // 43 ASCII bytes and a double-byte character: the character opens the next row.
    std::string text = std::string(43, 'a') + "春";
    EXPECT_EQ(cardtext::InterpretationLines(text, 44), std::string(43, 'a') + "\n春");
}
