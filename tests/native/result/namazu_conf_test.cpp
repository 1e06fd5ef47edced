#include "result/namazu_conf.h"

#include <gtest/gtest.h>

namespace {

// namazurc splits unquoted values at blanks, tabs included, unescapes
// backslashes and quotes inside quotes and again in a replacement; 1.3 files
// take values as they are. AltURL values are typed by hand.
TEST(NamazuConfTest, ValuesArriveWholeInBothVersions) {
    NamazuConf conf;
    conf.WorkDir = "C:\\Documents and Settings\\ソ\\Namazu";
    conf.AccountDir = "C:\\Documents and Settings\\ソ\\";
    conf.AltUrls = {"d:\\表\\", "e:\\a\tb\"c"};
    EXPECT_EQ(NamazuConfFileName(false), "namazurc");
    EXPECT_EQ(NamazuConfText(conf),
              "INDEX        \"C:\\\\Documents and Settings\\\\\x83\\\\\\\\Namazu\"\r\n"
              "Lang        ja_JP.SJIS\r\n"
              "REPLACE        x1/        /D|/\x95\\\\/\r\n"
              "REPLACE        x2/        \"/E|/a\tb\\\\\\\"c\"\r\n"
              "REPLACE        account/        "
              "\"/C|/Documents and Settings/\x83\\\\\\\\/\"\r\n");
    conf.Namazu13 = true;
    conf.AltUrls.pop_back(); // how 1.3 reads a tab in a value is not known
    EXPECT_EQ(NamazuConfFileName(true), "namazu.conf");
    EXPECT_EQ(NamazuConfText(conf), "INDEX\tC:\\Documents and Settings\\ソ\\Namazu\n"
                                    "REPLACE\tx1/\t/D|/表/\n"
                                    "REPLACE\taccount/\t/C|/Documents and Settings/ソ/\n");
}

} // namespace
