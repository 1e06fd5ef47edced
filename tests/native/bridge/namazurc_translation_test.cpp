#include "bridge/linux_path.h"
#include "bridge/namazurc_translation.h"

#include <gtest/gtest.h>

namespace {

std::string FakeLinuxPath(const std::string& windowsPath) {
    return "/" + PathBelowDrive(windowsPath);
}

struct RcCase {
    const char* name;
    std::string windows;
    std::string linux;
};

TEST(TranslateNamazurc, RewritesOnlyIndexLines) {
    const RcCase cases[] = {
        {"namazurc as written for Namazu 2.0",
         "INDEX        Z:\\tmp\\acc\\Namazu\r\nLang        ja_JP.SJIS\r\n"
         "REPLACE        x1/        /Z|/mail/old/\r\n"
         "REPLACE        account/        /Z|/tmp/acc/\r\n",
         "INDEX        /tmp/acc/Namazu\r\nLang        ja_JP.SJIS\r\n"
         "REPLACE        x1/        /Z|/mail/old/\r\n"
         "REPLACE        account/        /Z|/tmp/acc/\r\n"},
        {"namazu.conf as written for Namazu 1.3",
         "INDEX\tZ:\\idx\\Namazu\nREPLACE\taccount/\t/Z|/acc/\n",
         "INDEX\t/idx/Namazu\nREPLACE\taccount/\t/Z|/acc/\n"},
        {"keyword in any case, trailing blanks kept", "Index   Z:\\予定表\\Namazu  \r\n",
         "Index   /予定表/Namazu  \r\n"},
        {"last line without line end", "INDEX Z:\\idx", "INDEX /idx"},
        {"relative or Linux index left alone", "INDEX ./Namazu\nINDEX /var/idx\n",
         "INDEX ./Namazu\nINDEX /var/idx\n"},
        {"other keywords that begin alike", "INDEXES Z:\\x\n# INDEX Z:\\y\n",
         "INDEXES Z:\\x\n# INDEX Z:\\y\n"},
        {"quoted with blanks, escapes and the trail byte 0x5C of 表",
         "INDEX        \"Z:\\\\My Mail (\x95\\\\)\\\\Namazu\"\r\n",
         "INDEX        \"/My Mail (\x95\\\\)/Namazu\"\r\n"},
        {"empty lines and bare CR kept", "\r\n\rINDEX Z:\\a\r\r\n", "\r\n\rINDEX /a\r\r\n"},
    };
    for (const RcCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.linux, TranslateNamazurc(c.windows, FakeLinuxPath));
    }
}

} // namespace
