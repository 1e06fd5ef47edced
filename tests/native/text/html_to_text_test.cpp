#include "text/html_to_text.h"

#include <gtest/gtest.h>

namespace {

TEST(HtmlToText, BlocksBreakLinesAndHiddenPartsVanish) {
    EXPECT_EQ(HtmlToText("<html><head><title>T</title><style>p{color:red}</style></head>"
                         "<body><div>こんにちは</div><div><br></div><div>二行目<br>三行目</div>"
                         "<script>if (a < b) x();</script><!-- note <p> --><P>end</P></body>"),
              "こんにちは\n\n二行目\n三行目\nend\n");
    EXPECT_EQ(HtmlToText("<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>"),
              "a b\nc\n");
    EXPECT_EQ(HtmlToText("<ul>\n  <li>one\n  <li>two\n</ul>"), "one\ntwo\n");
}

TEST(HtmlToText, WhiteSpaceFoldsAndReferencesDecode) {
    EXPECT_EQ(HtmlToText("  a \r\n\t b  "), "a b");
    EXPECT_EQ(HtmlToText("&lt;a&gt; &amp; &quot;q&quot; &#39;s&apos; x&nbsp;&nbsp;y"),
              "<a> & \"q\" 's' x  y");
    EXPECT_EQ(HtmlToText("&#12354;&#x3044;&#x1F600;&#233;&#0;"), "あい〓〓〓");
    EXPECT_EQ(HtmlToText("&unknown; &amp &#xZZ; &"), "&unknown; &amp &#xZZ; &");
}

TEST(HtmlToText, UnclosedMarkupEndsCleanly) {
    EXPECT_EQ(HtmlToText("a < b and c<d"), "a < b and c<d");
    EXPECT_EQ(HtmlToText("text<!-- never closed <b>bold</b>"), "text");
    EXPECT_EQ(HtmlToText("x<script>never closed"), "x");
    // a Shift-JIS trail byte that looks like a letter does not start a tag name
    EXPECT_EQ(HtmlToText("<b>表</b>"), "表");
}

} // namespace
