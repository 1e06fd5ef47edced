#include "result/namazu_conf.h"

#include <gtest/gtest.h>

namespace {

TEST(NamazuConfTest, BytesOfBothVersions) {
    NamazuConf conf;
    conf.WorkDir = "d:\\idx\\Namazu";
    conf.AccountDir = "c:\\mail\\acct\\";
    conf.AltUrls = {"e:\\old\\", "f:\\"};
    EXPECT_EQ(NamazuConfText(conf), "INDEX        d:\\idx\\Namazu\r\n"
                                    "Lang        ja_JP.SJIS\r\n"
                                    "REPLACE        x1/        /E|/old/\r\n"
                                    "REPLACE        x2/        /F|/\r\n"
                                    "REPLACE        account/        /C|/mail/acct/\r\n");
    conf.Namazu13 = true;
    conf.AltUrls.clear();
    EXPECT_EQ(NamazuConfText(conf), "INDEX\td:\\idx\\Namazu\n"
                                    "REPLACE\taccount/\t/C|/mail/acct/\n");
    EXPECT_EQ(NamazuConfFileName(true), "namazu.conf");
    EXPECT_EQ(NamazuConfFileName(false), "namazurc");
}

// namazurc splits unquoted values at blanks, tabs included, unescapes
// backslashes and quotes inside quotes and again in a replacement; 1.3 files
// stay as they were. AltURL values are typed by hand.
TEST(NamazuConfTest, ValuesWithBlanksOrBackslashesArriveWhole) {
    NamazuConf conf;
    conf.WorkDir = "C:\\Documents and Settings\\ソ\\Namazu";
    conf.AccountDir = "C:\\Documents and Settings\\ソ\\";
    conf.AltUrls = {"d:\\表\\", "e:\\a\tb\"c"};
    EXPECT_EQ(NamazuConfText(conf),
              "INDEX        \"C:\\\\Documents and Settings\\\\\x83\\\\\\\\Namazu\"\r\n"
              "Lang        ja_JP.SJIS\r\n"
              "REPLACE        x1/        /D|/\x95\\\\/\r\n"
              "REPLACE        x2/        \"/E|/a\tb\\\\\\\"c\"\r\n"
              "REPLACE        account/        "
              "\"/C|/Documents and Settings/\x83\\\\\\\\/\"\r\n");
    conf.Namazu13 = true;
    conf.AltUrls.clear();
    EXPECT_EQ(NamazuConfText(conf), "INDEX\tC:\\Documents and Settings\\ソ\\Namazu\n"
                                    "REPLACE\taccount/\t/C|/Documents and Settings/ソ/\n");
}

} // namespace
