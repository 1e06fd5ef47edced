#include "result/decoded_mail.h"

#include <gtest/gtest.h>

namespace {

const char kGmailAlternative[] =
    "Subject: =?UTF-8?B?5Lu25ZCN?=\r\n"
    "Content-Type: multipart/alternative; boundary=\"000000000000a1b2\"\r\n"
    "\r\n"
    "--000000000000a1b2\r\n"
    "Content-Type: text/plain; charset=\"UTF-8\"\r\n"
    "Content-Transfer-Encoding: base64\r\n"
    "\r\n"
    "44GT44KT44Gr44Gh44GvDQpHbWFpbCDjgafjgZnjgIINCg==\r\n"
    "--000000000000a1b2\r\n"
    "Content-Type: text/html; charset=\"UTF-8\"\r\n"
    "Content-Transfer-Encoding: base64\r\n"
    "\r\n"
    "PGRpdiBkaXI9Imx0ciI+44GT44KT44Gr44Gh44GvPGRpdj5HbWFpbCDjgafjgZnjgII8L2Rpdj48\r\n"
    "L2Rpdj4NCg==\r\n"
    "--000000000000a1b2--\r\n";

TEST(DecodedMail, SinglePartMailsOfCommonClients) {
    // Thunderbird: UTF-8 quoted-printable
    EXPECT_EQ(
        DecodedMailText("From: =?UTF-8?B?5bGx55Sw?= <yamada@example.jp>\r\n"
                        "Content-Type: text/plain; charset=UTF-8; format=flowed\r\n"
                        "Content-Transfer-Encoding: quoted-printable\r\n"
                        "\r\n"
                        "=E3=81=93=E3=82=93=E3=81=AB=E3=81=A1=E3=81=AF=E3=80=81=E4=B8=96=E7=\r\n"
                        "=95=8C=E3=80=82\r\n"
                        "x =3D 1\r\n"),
        "From: 山田 <yamada@example.jp>\r\n"
        "Content-Type: text/plain; charset=UTF-8; format=flowed\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "\r\n"
        "こんにちは、世界。\r\n"
        "x = 1\r\n");
    // Outlook: ISO-2022-JP base64, the subject folded over two lines, LF line ends
    EXPECT_EQ(DecodedMailText("Subject: =?ISO-2022-JP?B?GyRCMnE1RCROGyhC?=\n"
                              " =?ISO-2022-JP?B?GyRCJCpDTiRpJDsbKEI=?=\n"
                              "Content-Type: text/plain; charset=\"iso-2022-jp\"\n"
                              "Content-Transfer-Encoding: base64\n"
                              "\n"
                              "GyRCRnxLXDhsJE4lYSE8JWsbKEI=\n"),
              "Subject: 会議のお知らせ\r\n"
              "Content-Type: text/plain; charset=\"iso-2022-jp\"\r\n"
              "Content-Transfer-Encoding: base64\r\n"
              "\r\n"
              "日本語のメール\r\n");
}

TEST(DecodedMail, JapaneseCharsetsAndUnrepresentableCharacters) {
    EXPECT_EQ(DecodedMailText("Content-Type: text/plain; charset=EUC-JP\r\n"
                              "Content-Transfer-Encoding: 8bit\r\n\r\n"
                              "\xC6\xFC\xCB\xDC\xB8\xEC\xA4\xCE\xCB\xDC\xCA\xB8\r\n"),
              "Content-Type: text/plain; charset=EUC-JP\r\n"
              "Content-Transfer-Encoding: 8bit\r\n\r\n"
              "日本語の本文\r\n");
    EXPECT_EQ(DecodedMailText("Content-Type: text/plain; charset=Shift_JIS\r\n"
                              "Content-Transfer-Encoding: quoted-printable\r\n\r\n"
                              "=97\\=92=E8=95\\"),
              "Content-Type: text/plain; charset=Shift_JIS\r\n"
              "Content-Transfer-Encoding: quoted-printable\r\n\r\n"
              "予定表\r\n");
    EXPECT_EQ(DecodedMailText("Subject: =?ISO-8859-1?Q?Caf=E9?=\r\n"
                              "Content-Type: text/plain; charset=utf-8\r\n\r\n"
                              "\xF0\x9F\x98\x80 ok\r\n"),
              "Subject: Caf〓\r\nContent-Type: text/plain; charset=utf-8\r\n\r\n〓 ok\r\n");
    // no MIME at all: JIS as Japanese mail used to be sent
    EXPECT_EQ(DecodedMailText("Subject: \x1B$B7oL>\x1B(B\r\n\r\n\x1B$BK\\J8\x1B(B\r\n"),
              "Subject: 件名\r\n\r\n本文\r\n");
}

TEST(DecodedMail, HeaderAndBodyKeepTheirShape) {
    // a header line decoding to line breaks or to nothing; a body starting with empty lines
    EXPECT_EQ(DecodedMailText("A: =?utf-8?B?DQoNCg==?=x\r\nB: y\r\n=?utf-8?B?"
                              "?=\r\n"
                              "\r\n\r\n\rbody\nend"),
              "A:     x\r\nB: y\r\n\r\n\r\n\r\nbody\r\nend\r\n");
    EXPECT_EQ(DecodedMailText("Subject: only a header"), "Subject: only a header\r\n\r\n");
    EXPECT_EQ(
        DecodedMailText("Content-Type: text/plain\r\nContent-Transfer-Encoding: base64\r\n\r\n"
                        "44GT44KT!!!\r\n44Gr*\r\n"),
        "Content-Type: text/plain\r\nContent-Transfer-Encoding: base64\r\n\r\nこんに\r\n");
}

TEST(DecodedMail, AlternativeShowsPlainTextOrElseHtml) {
    const std::string header =
        "Subject: 件名\r\n"
        "Content-Type: multipart/alternative; boundary=\"000000000000a1b2\"\r\n"
        "\r\n";
    EXPECT_EQ(DecodedMailText(kGmailAlternative), header + "こんにちは\r\nGmail です。\r\n");

    std::string htmlOnly = kGmailAlternative;
    const size_t plainPart = htmlOnly.find("--0000");
    htmlOnly.erase(plainPart, htmlOnly.find("--0000", plainPart + 1) - plainPart);
    EXPECT_EQ(DecodedMailText(htmlOnly), header + "こんにちは\r\nGmail です。\r\n");

    EXPECT_EQ(DecodedMailText("Content-Type: text/html; charset=iso-2022-jp\r\n\r\n"
                              "<p>\x1B$BK\\J8\x1B(B &amp; <b>more</b></p>"),
              "Content-Type: text/html; charset=iso-2022-jp\r\n\r\n本文 & more\r\n");
}

TEST(DecodedMail, AttachmentsAreListedWithNameAndSize) {
    const std::string mail =
        "Content-Type: multipart/mixed; boundary=outer\r\n\r\n"
        "preamble\r\n"
        "--outer\r\n"
        "Content-Type: multipart/alternative; boundary=\"inner\"\r\n\r\n"
        "--inner\r\nContent-Type: text/plain; charset=utf-8\r\n"
        "Content-Transfer-Encoding: base64\r\n\r\n5pys5paH44Gn44GZ44CC\r\n"
        "--inner\r\nContent-Type: text/html\r\n\r\n<p>html</p>\r\n--inner--\r\n"
        "--outer\r\n"
        "Content-Type: application/pdf; name=\"=?UTF-8?B?6KaL56mN5pu4LnBkZg==?=\"\r\n"
        "Content-Disposition: attachment;\r\n"
        " filename*0*=UTF-8''%E8%A6%8B%E7%A9%8D;\r\n"
        " filename*1*=%E6%9B%B8.pdf\r\n\r\n" +
        std::string(1234, 'x') +
        "\r\n--outer\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n\r\n"
        "iVBORw==\r\n"
        "--outer\r\nContent-Type: text/plain; name=notes.txt\r\n\r\nabc\r\n"
        "--outer--\r\nepilogue\r\n";
    EXPECT_EQ(DecodedMailText(mail), "Content-Type: multipart/mixed; boundary=outer\r\n\r\n"
                                     "本文です。\r\n\r\n"
                                     "[添付] 見積書.pdf (1,234 バイト)\r\n"
                                     "[添付] image/png (4 バイト)\r\n"
                                     "[添付] notes.txt (3 バイト)\r\n");
}

TEST(DecodedMail, BrokenMultipartsStillShowTheirText) {
    EXPECT_EQ(DecodedMailText("Content-Type: multipart/mixed; boundary=b\r\n\r\n"
                              "--b\r\nContent-Type: text/plain\r\n\r\ncut short\r\n"),
              "Content-Type: multipart/mixed; boundary=b\r\n\r\ncut short\r\n");
    EXPECT_EQ(DecodedMailText("Content-Type: multipart/mixed\r\n\r\n--b\r\n\r\ntext\r\n--b--\r\n"),
              "Content-Type: multipart/mixed\r\n\r\n--b\r\n\r\ntext\r\n--b--\r\n");
    // a boundary's prefix is no delimiter; trailing blanks after one are
    EXPECT_EQ(DecodedMailText("Content-Type: multipart/mixed; boundary=b\r\n\r\n"
                              "--b \r\n\r\n--bb\r\n--b--\r\n"),
              "Content-Type: multipart/mixed; boundary=b\r\n\r\n--bb\r\n");
}

std::string Nested(int depth) {
    std::string mail = "Content-Type: text/plain\r\n\r\ndeep\r\n";
    for (int level = 0; level < depth; ++level) {
        const std::string boundary = "b" + std::to_string(level);
        mail = "Content-Type: multipart/mixed; boundary=" + boundary + "\r\n\r\n--" + boundary +
               "\r\n" + mail + "--" + boundary + "--\r\n";
    }
    return mail;
}

TEST(DecodedMail, NestingIsBounded) {
    const std::string header = "Content-Type: multipart/mixed; boundary=b";
    EXPECT_EQ(DecodedMailText(Nested(20)), header + "19\r\n\r\ndeep\r\n");
    EXPECT_EQ(DecodedMailText(Nested(21)), header + "20\r\n\r\n");
}

} // namespace
