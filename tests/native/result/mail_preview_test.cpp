#include "fakes/fake_file_system.h"
#include "fakes/fake_host.h"
#include "fakes/fake_user_interface.h"
#include "host/jis_to_sjis.h"
#include "result/mail_preview.h"

#include <gtest/gtest.h>

namespace {

// Converts as the host does and counts its calls.
class ConvertingHost : public FakeHostApi {
public:
    int Conversions = 0;
    std::string JisToSjis(const std::string& jisText) override {
        ++Conversions;
        return ::JisToSjis(jisText);
    }
};

class MailPreviewTest : public ::testing::Test {
protected:
    MailPreviewTest() {
        hits_.Clickables = {{0, 0, "1. 会議", 1, 1, "/C|/al/acc/inbox.box/1.alm"},
                            {5, 5, "2. 表", 6, 6, "/C|/al/acc/gone.alm"}};
    }
    FakeFileSystem files_;
    ConvertingHost host_;
    FakeUserInterface ui_;
    HitList hits_;
    MailSelection selection_;
    MailPreview preview_{files_, host_, ui_, hits_, selection_};
};

TEST_F(MailPreviewTest, JisMailIsConvertedAndOpensAtItsFirstBodyLineAndAMissingOneIsReported) {
    // "Subject: 会議", two empty lines and the body "予定", in JIS.
    files_.Files["C:\\al\\acc\\inbox.box\\1.alm"] =
        "Subject: \x1b$B2q5D\x1b(B\n\n\n\x1b$BM=Dj\x1b(B\nbye\n";
    const std::optional<MailView> view = preview_.SelectMail(0, MailConversion::JisToShiftJis, {});
    ASSERT_TRUE(view);
    EXPECT_EQ(view->Text, "Subject: 会議\r\n\r\n\r\n予定\r\nbye\r\n");
    EXPECT_EQ(view->TopCharacter, 14);
    EXPECT_EQ(view->Subject, "1. 会議");

    // Shift-JIS already: not handed to the converter.
    files_.Files["C:\\al\\acc\\inbox.box\\1.alm"] = "Subject: \x82\xa0\n\n";
    EXPECT_EQ(preview_.SelectMail(0, MailConversion::JisToShiftJis, {})->Text,
              "Subject: \x82\xa0\r\n\r\n");
    EXPECT_EQ(host_.Conversions, 1);
    EXPECT_EQ(preview_.SelectMail(0, MailConversion::None, {})->TopCharacter, 12);
    EXPECT_EQ(BodyLine({"a", "b"}), 0u);

    // Unreadable: reported, an empty text, and still the current hit.
    const std::optional<MailView> missing =
        preview_.SelectMail(1, MailConversion::JisToShiftJis, {});
    EXPECT_EQ(missing->Text + missing->Subject, "2. 表");
    ASSERT_EQ(ui_.Boxes.size(), 1u);
    EXPECT_EQ(ui_.Boxes[0].Text, "C:\\al\\acc\\gone.alm を開けません");
    EXPECT_FALSE(preview_.SelectMail(2, MailConversion::JisToShiftJis, {}));
    EXPECT_EQ(selection_.CurrentIndex, 1);
    EXPECT_EQ(selection_.CurrentMailPath, "C:\\al\\acc\\gone.alm");
}

TEST_F(MailPreviewTest, TheHostOpensTheMailboxRelativeNameWithoutExtension) {
    const std::string cases[][3] = {
        {"c:\\mail\\予定表.box\\12", "c:\\mail\\", "予定表.box\\12"},
        {"c:\\m\\a.b\\c.d.alm", "c:\\m\\", "a.b\\c.d"},
        {"c:\\m", "c:\\mail\\", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MailboxRelativeName(c[0], c[1]), c[2]) << c[0];
    TSettings settings;
    host_.Mailbox = "C:\\al\\";
    preview_.SelectMail(1, MailConversion::None, {});
    EXPECT_FALSE(preview_.OpenInHost(nullptr, settings));
    settings.CloseOnMailView = "1";
    EXPECT_TRUE(preview_.OpenInHost(nullptr, settings));
    EXPECT_EQ(host_.OpenedMails, (std::vector<std::string>{"acc\\gone", "acc\\gone"}));
}

} // namespace
