#include "result/mime_header.h"

#include <gtest/gtest.h>

namespace {

TEST(MimeHeaderDecoding, EncodedWordsJoinAcrossFolds) {
    // Outlook's two ISO-2022-JP words, unfolded
    EXPECT_EQ(DecodeHeaderText("Subject: =?ISO-2022-JP?B?GyRCMnE1RCROGyhC?=\r\n"
                               "\t=?iso-2022-jp?b?GyRCJCpDTiRpJDsbKEI=?= (2)"),
              "Subject: 会議のお知らせ (2)");
    // a UTF-8 character cut between two words
    EXPECT_EQ(DecodeHeaderText("=?UTF-8?B?5Lu2?= =?UTF-8?B?5ZCN?="), "件名");
    EXPECT_EQ(DecodeHeaderText("=?ISO-8859-1?Q?Caf=E9?= au =?utf-8*ja?Q?=E3=81=82_x?="),
              "Caf〓 au あ x");
}

TEST(MimeHeaderDecoding, MalformedWordsAndRawTextStay) {
    EXPECT_EQ(DecodeHeaderText("=?utf-8?X?abc?= =?utf-8?B?YQ= =??B?YQ==?= a=?b"),
              "=?utf-8?X?abc?= =?utf-8?B?YQ= =??B?YQ==?= a=?b");
    EXPECT_EQ(DecodeHeaderText("From: \x1B$B;3ED\x1B(B <a@b>"), "From: 山田 <a@b>");
    EXPECT_EQ(DecodeHeaderText("To: \xE5\xB1\xB1 =?utf-8?B?5bGx?="), "To: 山 山");
}

TEST(ContentFieldParsing, ParametersQuotedCommentedAndContinued) {
    const ContentField type(" Text/Plain (body) ; CHARSET = \"ISO-2022-JP\" (jp); format=flowed");
    EXPECT_EQ(type.Value(), "text/plain");
    EXPECT_EQ(type.Parameter("charset"), "ISO-2022-JP");
    EXPECT_EQ(type.Parameter("format"), "flowed");
    EXPECT_EQ(type.Parameter("boundary"), "");

    const ContentField quoted("multipart/mixed; boundary=\"a\\\"b;c\"");
    EXPECT_EQ(quoted.Parameter("boundary"), "a\"b;c");

    const ContentField continued("attachment; filename*0*=UTF-8''%E8%A6%8B%E7%A9%8D;\r\n"
                                 " filename*1*=%E6%9B%B8; filename*2=\".pdf\"; filename=\"x.pdf\"");
    EXPECT_EQ(continued.Value(), "attachment");
    EXPECT_EQ(continued.ParameterText("filename"), "見積書.pdf");

    const ContentField encodedWord("application/pdf; name=\"=?UTF-8?B?6KaL56mN5pu4LnBkZg==?=\"");
    EXPECT_EQ(encodedWord.ParameterText("name"), "見積書.pdf");
}

} // namespace
