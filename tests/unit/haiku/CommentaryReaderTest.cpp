#include "haiku/CommentaryReader.h"

#include <gtest/gtest.h>

#include <array>

#include "RecordingNoticeSink.h"
#include "TempDir.h"

namespace {

// A museum folder with a TxtData/tavelo.txt of our own.
class CommentaryReaderTest : public ::testing::Test {
protected:
    CommentaryEntry Read(const std::string& text, int index) {
        m_dir.Write("TxtData/tavelo.txt", text);
        CCommentaryReader reader(m_dir.Path());
        EXPECT_EQ(reader.ReadEntry("tavelo.txt", 0, index, 44, nullptr), 0);
        return reader.GetEntry();
    }

    RecordingNoticeSink sink;
    TempDir m_dir;
};

const char kTwoSections[] =
    "// 俳句の解説\n"
    "[*]\n"
    "1:上田にて\n"
    "2:はるかぜや とおきやまなみ ゆきのこる\n"
    "3:春\n"
    "4:春風\n"
    "5:「五百句」\n"
    "6:山の雪と春の風。\n"
    "続きの行。\n"
    "\n"
    "[*]\n"
    "2:あ い う\n"
    "3:夏\n"
    "6:二つ目\n";

}  // namespace

// Preface, the three reading parts, season, season word and source of one section.
TEST_F(CommentaryReaderTest, CardReaderFields) {
    using Fields = std::array<std::string, 7>;
    const std::string longSource = std::string(30, 'x') + "ああああああああああ";
    const struct {
        std::string text;
        int index;
        Fields fields;
    } cases[] = {
        {kTwoSections, 0, {"上田にて", "はるかぜや", "とおきやまなみ", "ゆきのこる", "春", "春風", "「五百句」"}},
        {kTwoSections, 1, {"", "あ", "い", "う", "夏", "", ""}},
        {kTwoSections, 2, {}},                                              // beyond the last
        {"[*]\n季節 3:秋\n  4:月\n", 0, {"", "", "", "", "秋", "月", ""}},  // markers anywhere
        {"[*]\n2:ひとつ\n", 0, {"", "ひとつ", "", "", "", "", ""}},        // fewer than two spaces
        {"[*]\n2:ふた つ\n", 0, {"", "ふた", "つ", "", "", "", ""}},
        {"[*]\n2:a b c d\n", 0, {"", "a", "b", "c d", "", "", ""}},
        {"[*]\n2:全角　空白 で\n", 0, {"", "全角　空白", "で", "", "", "", ""}},  // full-width: no split
        {"[*]\n2:あさま やまの けむり\n2:ひとつ\n3:春\n", 0, {"", "ひとつ", "", "", "春", "", ""}},
        {"[*]\r\n3:冬\r\n4:雪\r\n5:a\rb\n", 0, {"", "", "", "", "冬", "雪", "a\rb"}},  // lone CR stays
        {"x[*]\n3:春\n[*] \n[*]\r\r\n3:秋\n[*]\r\n3:夏\n", 0, {"", "", "", "", "夏", "", ""}},  // whole lines only
        {"3:春\n[*]", 0, {}},
        {kTwoSections, -1, {}},
        // A section line split where a 64 KiB piece of the file ends: "[" | "*]", "[*]\r" | "\n".
        {"[*]\n" + std::string(65530, 'a') + "\n[*]\n3:秋\n", 1, {"", "", "", "", "秋", "", ""}},
        {"[*]\n" + std::string(65527, 'a') + "\n[*]\r\n3:冬\n", 1, {"", "", "", "", "冬", "", ""}},
        {"[*]\n6:解釈\n3:秋\n", 0, {}},  // the interpretation ends the read at the next marker
        {"[*]\n5:" + longSource + "\n", 0, {"", "", "", "", "", "", longSource.substr(0, 38)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 80));
        CommentaryEntry e = Read(c.text, c.index);
        EXPECT_EQ((Fields{e.preface, e.reading1, e.reading2, e.reading3, e.season, e.kigo,
                          e.source}),
                  c.fields);
    }
    EXPECT_TRUE(sink.messages.empty());
}

// Each line of the interpretation is padded to the next multiple of 44 bytes, up to the
// next marker and within the field's 2047 bytes.
TEST_F(CommentaryReaderTest, CardInterpretationIsRowsUpToTheNextMarker) {
    const std::string first = "山の雪と春の風。";
    const std::string second = "続きの行。";
    // The empty line after the interpretation is a row of its own for the card reader.
    const std::string rows = first + std::string(44 - first.size(), ' ') + second;
    EXPECT_EQ(Read(kTwoSections, 0).interpretation.substr(0, 88),
              rows + std::string(88 - rows.size(), ' '));
    EXPECT_EQ(Read("[*]\n6:解釈\n続き\n年は3:ここで終わる\n後ろ\n", 0).interpretation.size(), 88u);
    const std::string a44(44, 'a'), b45(45, 'b');
    EXPECT_EQ(Read("[*]\n6:" + a44 + "\n" + b45 + "\n", 0).interpretation,
              a44 + b45 + std::string(43, ' '));
    std::string many = "[*]\n6:";
    for (int i = 0; i < 100; ++i) many += "あいうえお\n";
    const std::string full = Read(many, 0).interpretation;
    EXPECT_LE(full.size(), 2047u);
    EXPECT_TRUE(cp932::IsValidCp932(full));
}
