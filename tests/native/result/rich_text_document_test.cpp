#include "result/rich_text_document.h"

#include <gtest/gtest.h>

namespace {

const std::string kPlainHeader = "{\\rtf1\\ansi\\ansicpg932{\\colortbl ;}";

TEST(RichTextDocumentTest, EveryByteIsEscapedSoThatEachCharacterReadsBackAsOne) {
    struct Case {
        std::string Text;
        std::string Body;
    };
    // ソ 表 予 end in 0x5C, ＋ in 0x7B and ± in 0x7D; ｱ is one byte; 算 and ア
    // end in letters.
    const Case cases[] = {
        {"", ""},
        {"a\\b{c}d", "a\\\\b\\{c\\}d"},
        {"{\\rtf1 x", "\\{\\\\rtf1 x"},
        {"ソ表予", "\\'83\\'5c\\'95\\'5c\\'97\\'5c"},
        {"＋±ｱ", "\\'81\\'7b\\'81\\'7d\\'b1"},
        {"算ア", "算ア"},
        {"\x83\t", "\\'83\\'09"},
        {"1\t2\x01", "1\\tab 2\\'01"},
        {"a\r\nb\rc\nd", "a\\par\r\nb\\par\r\nc\\par\r\nd"},
        {"x\x83\r\ny\x83", "x\\'83\\par\r\ny\\'83"},
        {"a\r\n\r\n", "a\\par\r\n\\par\r\n\\par\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(RichTextDocument(c.Text, {}), kPlainHeader + c.Body + "}");
    }
}

TEST(RichTextDocumentTest, RangesOnDoubleByteTextBecomeGroupsAroundWholeCharacters) {
    // "1. 予算" is 7 bytes, "/C|/表.alm" 10, on the second line from 21.
    const std::string text = "1. 予算 (スコア: 1)\r\n/C|/表.alm (1 bytes)";
    const std::string document =
        RichTextDocument(text, {{0, 7, kTitleFormat}, {21, 10, kUriFormat}});
    EXPECT_EQ(document, "{\\rtf1\\ansi\\ansicpg932{\\colortbl ;\\red0\\green0\\blue255;"
                        "\\red0\\green128\\blue128;}"
                        "{\\cf1\\b\\ul 1. \\'97\\'5c算} (スコア: "
                        "1)\\par\r\n{\\cf2 /C|/\\'95\\'5c.alm} (1 bytes)}");

    struct Case {
        const char* Name;
        std::vector<ColouredRange> Ranges;
        std::string Body;
    };
    // 予 is bytes 1-2 of "a予b".
    const Case cases[] = {
        {"ends inside a character", {{0, 2, kUriFormat}}, "{\\cf1 a\\'97\\'5c}b"},
        {"starts inside a character", {{2, 2, kUriFormat}}, "a\\'97\\'5c{\\cf1 b}"},
        {"runs past the end", {{3, 50, kUriFormat}}, "a\\'97\\'5c{\\cf1 b}"},
        {"overlaps the one before",
         {{0, 2, kUriFormat}, {1, 3, kUriFormat}},
         "{\\cf1 a\\'97\\'5c}b"},
        {"empty, then adjacent",
         {{0, 0, kUriFormat}, {0, 1, kUriFormat}, {1, 2, kUriFormat}},
         "{\\cf1 a}{\\cf1 \\'97\\'5c}b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(RichTextDocument("a予b", c.Ranges),
                  "{\\rtf1\\ansi\\ansicpg932{\\colortbl ;\\red0\\green128\\blue128;}" + c.Body +
                      "}");
    }
}

TEST(RichTextDocumentTest, MarksSwitchTheBackgroundInsideAndAcrossColouredGroups) {
    struct Case {
        const char* Name;
        std::vector<ColouredRange> Colours;
        std::vector<MarkedRange> Marks;
        std::string Body;
    };
    const std::string uri = "\\red0\\green128\\blue128;";
    const std::string on = "\\highlight2\\cb2 ";
    const std::string off = "\\highlight0\\cb0 ";
    // 予 is bytes 1-2 of "a予bc".
    const Case cases[] = {
        {"a whole character", {}, {{1, 2}}, "a\\highlight1\\cb1 \\'97\\'5c\\highlight0\\cb0 bc"},
        {"out of a group",
         {{0, 3, kUriFormat}},
         {{1, 3}},
         "{\\cf1 a" + on + "\\'97\\'5c}" + on + "b" + off + "c"},
        {"into a group",
         {{1, 3, kUriFormat}},
         {{0, 3}},
         on + "a{\\cf1 \\'97\\'5c" + off + "b}" + off + "c"},
        {"adjacent, then overlapping",
         {},
         {{0, 1}, {1, 2}, {2, 2}},
         "\\highlight1\\cb1 a\\'97\\'5c\\highlight0\\cb0 bc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string table = c.Colours.empty() ? "" : uri;
        EXPECT_EQ(RichTextDocument("a予bc", c.Colours, c.Marks),
                  "{\\rtf1\\ansi\\ansicpg932{\\colortbl ;" + table + "\\red255\\green255\\blue0;}" +
                      c.Body + "}");
    }
}

} // namespace
