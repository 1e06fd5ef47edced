#include "fakes/fake_file_system.h"
#include "fakes/fake_host.h"
#include "platform/plugin_error.h"
#include "settings/account_settings.h"
#include "settings/profile_document.h"
#include "settings/settings_dialog_state.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

const std::string kAccount = "C:\\AL\\acc\\";
const std::string kIni = kAccount + "tarnwick.ini";
WindowHandle const kHostWindow = reinterpret_cast<WindowHandle>(0x1234);

class SettingsDialogStateTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeHostApi host;
    SettingsStore store{files};

    void SetUp() override { host.Accounts[kHostWindow] = kAccount; }

    // The dialog opened over a file with the given content.
    SettingsDialogState OpenOver(const std::string& content) {
        files.Files[kIni] = content;
        OpenAccountSettings(store, host.GetAccount(kHostWindow));
        return OpenSettingsDialogState(store);
    }
    std::string Stored(const std::string& section, const std::string& key) {
        return ProfileDocument(files.Files[kIni]).Read(section, key, "<absent>");
    }
};

TEST_F(SettingsDialogStateTest, OpeningCreatesTheMissingFileInTheHostsAccount) {
    OpenAccountSettings(store, host.GetAccount(kHostWindow));
    const SettingsDialogState state = OpenSettingsDialogState(store);

    EXPECT_EQ(store.IniFileName, kIni);
    ASSERT_TRUE(files.FileExists(kIni));
    EXPECT_EQ(state.UpdateTiming, SettingsDialogState::UserOperation);
    EXPECT_EQ(state.IntervalCountMail, 50);
    EXPECT_FALSE(state.ForceIndexing);
    EXPECT_TRUE(state.ShowWindow);
    EXPECT_TRUE(state.RenameToFolderName);
    EXPECT_EQ(state.NamazuVersion, SettingsDialogState::Namazu20);
    EXPECT_EQ(state.MknmzOption, "--use-kakasi --mailnews -EK --allow=\".*\\.alm\"");
    EXPECT_EQ(state.PerlPath, "c:\\Perl\\Bin\\Perl.exe");
}

TEST_F(SettingsDialogStateTest, TimingIgnoresLetterCase) {
    const std::vector<std::pair<std::string, SettingsDialogState::Timing>> cases = {
        {"StartUp", SettingsDialogState::StartUp},
        {"STARTUP", SettingsDialogState::StartUp},
        {"cleanup", SettingsDialogState::CleanUp},
        {"UserOperation", SettingsDialogState::UserOperation},
        {"Start Up", SettingsDialogState::UserOperation},
        {"", SettingsDialogState::UserOperation},
    };
    for (const auto& [when, timing] : cases) {
        SCOPED_TRACE(when);
        TSettings settings;
        settings.When = when;
        EXPECT_EQ(DialogStateFromSettings(settings).UpdateTiming, timing);
    }
}

TEST_F(SettingsDialogStateTest, IntervalIsThirtyWhenUnreadableAndStaysInTheUpDownRange) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"50", 50},  {"0", 0},     {"200", 200}, {"abc", 30},         {"", 30},
        {"12x", 30}, {"201", 200}, {"-5", 0},    {"99999999999", 30},
    };
    for (const auto& [stored, position] : cases) {
        SCOPED_TRACE(stored);
        EXPECT_EQ(IntervalPositionOf(stored), position);
    }
}

TEST_F(SettingsDialogStateTest, FlagsAreOnOnlyWhenExactlyOneAndAskIsInverted) {
    TSettings settings;
    settings.Ask = "0";
    settings.CloseOnFinish = "1";
    settings.SearchOnChangeSettings = " 1";
    settings.ShowWindow = "yes";
    settings.UseTempDirectory = "1";
    SettingsDialogState state = DialogStateFromSettings(settings);
    EXPECT_TRUE(state.ForceIndexing);
    EXPECT_TRUE(state.ExitIndexingOnFinish);
    EXPECT_FALSE(state.SearchOnChangeSettings);
    EXPECT_FALSE(state.ShowWindow);
    EXPECT_TRUE(state.UseTempDirectory);

    settings.Ask = "";
    EXPECT_FALSE(DialogStateFromSettings(settings).ForceIndexing);

    ApplyDialogState(state, settings);
    EXPECT_EQ(settings.Ask, "0");
    state.ForceIndexing = false;
    ApplyDialogState(state, settings);
    EXPECT_EQ(settings.Ask, "1");
    EXPECT_EQ(settings.SearchOnChangeSettings, "0");
}

TEST_F(SettingsDialogStateTest, OnlyExactlyOneThreeSelectsTheOldVersion) {
    const std::vector<std::pair<std::string, SettingsDialogState::Version>> cases = {
        {"1.3", SettingsDialogState::Namazu13},
        {"1.3.0", SettingsDialogState::Namazu20},
        {"2.0.5", SettingsDialogState::Namazu20},
        {"", SettingsDialogState::Namazu20},
    };
    for (const auto& [stored, version] : cases) {
        SCOPED_TRACE(stored);
        TSettings settings;
        settings.NamazuVersion = stored;
        EXPECT_EQ(DialogStateFromSettings(settings).NamazuVersion, version);
    }
}

TEST_F(SettingsDialogStateTest, OkStoresTheVersionOfTheSelectedItem) {
    TSettings settings;
    settings.NamazuVersion = "2.0.5";
    SettingsDialogState state = DialogStateFromSettings(settings);
    ApplyDialogState(state, settings);
    EXPECT_EQ(settings.NamazuVersion, "2.0");

    state.NamazuVersion = SettingsDialogState::Namazu13;
    ApplyDialogState(state, settings);
    EXPECT_EQ(settings.NamazuVersion, "1.3");

    state.NamazuVersion = SettingsDialogState::NoVersion;
    settings.NamazuVersion = "odd";
    ApplyDialogState(state, settings);
    EXPECT_EQ(settings.NamazuVersion, "odd");
}

TEST_F(SettingsDialogStateTest, ACapitalisedTimingIsStoredInItsOwnSpellingAndResetsTheCounter) {
    SettingsDialogState state = OpenOver("[Mknmz]\r\nWhen=STARTUP\r\nNowCountMail=17\r\n");
    CommitSettingsDialogState(state, store);
    EXPECT_EQ(Stored("Mknmz", "When"), "StartUp");
    EXPECT_EQ(Stored("Mknmz", "NowCountMail"), "0");
}

TEST_F(SettingsDialogStateTest, TheCounterSurvivesWhenTheTimingKeepsItsExactText) {
    SettingsDialogState state = OpenOver("[Mknmz]\r\nWhen=CleanUp\r\nNowCountMail=17\r\n");
    state.IntervalCountMail = 80;
    CommitSettingsDialogState(state, store);
    EXPECT_EQ(Stored("Mknmz", "When"), "CleanUp");
    EXPECT_EQ(Stored("Mknmz", "NowCountMail"), "17");
    EXPECT_EQ(Stored("Mknmz", "IntervalCountMail"), "80");

    state.UpdateTiming = SettingsDialogState::UserOperation;
    CommitSettingsDialogState(state, store);
    EXPECT_EQ(Stored("Mknmz", "When"), "UserOperation");
    EXPECT_EQ(Stored("Mknmz", "NowCountMail"), "0");
}

TEST_F(SettingsDialogStateTest, OptionsAreTrimmedWhileCaptionsAndPathsKeepWhatWasTyped) {
    SettingsDialogState state = OpenOver("");
    state.MknmzOption = " \t-kh -KP\r\n ";
    state.NamazuOption = "　--all　 ";
    state.IndexingMenu = " 索引(&K) ";
    state.NamazuMenu = "\t検索";
    state.PerlPath = " c:\\perl\\perl.exe ";
    CommitSettingsDialogState(state, store);

    EXPECT_EQ(Stored("Command", "mknmzOption"), "-kh -KP");
    EXPECT_EQ(Stored("Command", "namazuOption"), "　--all　");
    EXPECT_EQ(store.Settings.IndexingMenuCaption, " 索引(&K) ");
    EXPECT_EQ(store.Settings.SearchMenuCaption, "\t検索");
    EXPECT_EQ(store.Settings.PerlPath, " c:\\perl\\perl.exe ");
}

TEST_F(SettingsDialogStateTest, OkChangesOnlyTheEditedKeysAndTheResetCounter) {
    OpenOver("");
    store.Settings.NowCountMail = "9";
    store.SaveSettings(kIni);
    const std::string before = files.Files[kIni];

    SettingsDialogState state = OpenSettingsDialogState(store);
    state.UpdateTiming = SettingsDialogState::StartUp;
    state.IntervalCountMail = 120;
    state.NamazuPath = "d:\\予定表\\namazu.exe";
    CommitSettingsDialogState(state, store);

    ProfileDocument expected(before);
    expected.Write("Mknmz", "When", "StartUp");
    expected.Write("Mknmz", "NowCountMail", "0");
    expected.Write("Mknmz", "IntervalCountMail", "120");
    expected.Write("Command", "namazuPath", "d:\\予定表\\namazu.exe");
    EXPECT_EQ(files.Files[kIni], expected.Serialize());
}

TEST_F(SettingsDialogStateTest, LongValuesAndShiftJisPathsRoundTrip) {
    const std::string longOption = "--allow=" + std::string(1500, 'x');
    const std::string path = "c:\\表示\\ソフト\\mknmz"; // 表 and ソ end in 0x5C
    OpenOver("[Command]\r\nmknmzOption=" + longOption + "\r\nmknmzPath=" + path + "\r\n");
    SettingsDialogState state = OpenSettingsDialogState(store);
    EXPECT_EQ(state.MknmzOption, longOption);
    EXPECT_EQ(state.MknmzPath, path);

    CommitSettingsDialogState(state, store);
    EXPECT_EQ(Stored("Command", "mknmzOption"), longOption);
    EXPECT_EQ(Stored("Command", "mknmzPath"), path);
}

TEST_F(SettingsDialogStateTest, ARefusedWriteIsReportedWithTheFileName) {
    SettingsDialogState state = OpenOver("[Mknmz]\r\nWhen=StartUp\r\n");
    files.ReadOnly.insert(kIni);
    state.UpdateTiming = SettingsDialogState::CleanUp;
    try {
        CommitSettingsDialogState(state, store);
        FAIL() << "the write was not refused";
    } catch (const PluginError& error) {
        EXPECT_EQ(std::string(error.what()), kIni + " に書き込めません");
    }
    EXPECT_EQ(Stored("Mknmz", "When"), "StartUp");
}

TEST_F(SettingsDialogStateTest, RecommendationsFollowTheSelectedVersion) {
    const OptionTexts old = RecommendedOptions(SettingsDialogState::Namazu13);
    EXPECT_EQ(old.Mknmz, "-kh -KP -t \".*\\.alm\"");
    EXPECT_EQ(old.Namazu, "");
    const OptionTexts current = RecommendedOptions(SettingsDialogState::Namazu20);
    EXPECT_EQ(current.Mknmz, "--use-kakasi --mailnews -EK --allow=\".*\\.alm\"");
    EXPECT_EQ(current.Namazu, "--config=\"namazurc\"");

    const ProgramPaths oldPaths = DefaultProgramPaths(SettingsDialogState::Namazu13);
    EXPECT_EQ(oldPaths.Mknmz, "c:\\usr\\local\\namazu\\bin\\mknmz");
    EXPECT_EQ(oldPaths.Namazu, "c:\\usr\\local\\namazu\\bin\\namazu.exe");
    const ProgramPaths paths = DefaultProgramPaths(SettingsDialogState::Namazu20);
    EXPECT_EQ(paths.Mknmz, "c:\\namazu\\bin\\mknmz");
    EXPECT_EQ(paths.Namazu, "c:\\namazu\\bin\\namazu.exe");
}

} // namespace
