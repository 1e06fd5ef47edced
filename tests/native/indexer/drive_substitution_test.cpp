#include "indexer/index_update_run.h"

#include "indexer/drive_substitution.h"
#include "indexer/indexer_fixture.h"

namespace {

// Windows 98 with Namazu 1.3 and an account path long enough to need SUBST.
class DriveSubstitutionTest : public IndexerTest {
protected:
    static constexpr const char* kLongAccount =
        "c:\\program files\\al-mail32\\mailboxes\\a long account\\";
    // What the system gives mknmz for the index directory below it.
    static constexpr const char* kShortIndexDir =
        "C:\\PROGRA~1\\AL-MAI~1\\MAILBO~1\\ALONGA~1\\Namazu\\b001";
    IndexDialogState dialog;

    DriveSubstitutionTest() {
        system.NtFamily = false;
        system.MountedDrives = {'C', 'D'};
        state.Store.Settings.NamazuVersion = "1.3";
        state.Store.Settings.ShowWindow = "1";
        host.Accounts[kHost] = kLongAccount;
        system.ShortNames[std::string(kLongAccount) + "Namazu\\b001"] = kShortIndexDir;
        const std::string account = kLongAccount;
        files.Files[account + "account.ini"] = "[Property]\r\nOrder=001\r\n";
        files.Files[account + "user001.box\\entry.ini"] = "[Property]\r\nTitle=仕事\r\n";
        state.Catalogue.LoadFolderCatalogue(kHost);
        dialog.SetFolders(state.Catalogue);
        dialog.SelectAll(true);
    }

    // SUBST takes effect after a few polls, as it does on a slow machine.
    void SubstMountsAfter(int polls) {
        system.OnDrivePoll = [this, polls](FakeSystemInfo& info) {
            if (runner.Calls.empty())
                return;
            const std::string last = runner.Calls.back().CommandLine;
            if (last.find("SUBST E: /D") != std::string::npos)
                info.MountedDrives.erase('E');
            else if (last.find("SUBST E:") != std::string::npos && --pollsLeft_ < 0)
                info.MountedDrives.insert('E');
        };
        pollsLeft_ = polls;
    }
    std::vector<std::string> Commands() const {
        std::vector<std::string> commands;
        for (const auto& call : runner.Calls)
            commands.push_back(call.CommandLine);
        return commands;
    }
    int pollsLeft_ = 0;
};

TEST_F(DriveSubstitutionTest, LongPathRunsThroughTheFirstFreeDrive) {
    SubstMountsAfter(3);
    IndexUpdateRun(services, view, kHost).Run(dialog);

    ASSERT_EQ(runner.Calls.size(), 3u);
    EXPECT_EQ(runner.Calls[0].CommandLine,
              "COMMAND.COM /C SUBST E: c:\\program files\\al-mail32\\mailboxes\\a long account");
    EXPECT_EQ(runner.Calls[0].Mode, rmHidden);
    EXPECT_EQ(runner.Calls[0].WorkDir, kShortIndexDir);
    EXPECT_NE(runner.Calls[1].CommandLine.find(" -t \".*\\.alm\" -O \"" +
                                               std::string(kShortIndexDir) +
                                               "\" \"account/user001.box/\" "
                                               "\"E:\\user001.box\""),
              std::string::npos);
    EXPECT_EQ(runner.Calls[1].WorkDir, "E:\\");
    EXPECT_EQ(runner.Calls[1].Mode, rmCapture);
    EXPECT_EQ(runner.Calls[2].CommandLine, "COMMAND.COM /C SUBST E: /D");
    EXPECT_EQ(system.MountedDrives.count('E'), 0u);
}

TEST_F(DriveSubstitutionTest, SystemConsoleModesStillRunInTheFolderDirectory) {
    state.Store.Settings.InDosPromptWindow = "1";
    SubstMountsAfter(0);
    IndexUpdateRun(services, view, kHost).Run(dialog);
    ASSERT_EQ(runner.Calls.size(), 3u);
    EXPECT_NE(runner.Calls[1].CommandLine.find("\"E:\\user001.box\""), std::string::npos);
    EXPECT_EQ(runner.Calls[1].WorkDir, std::string(kLongAccount) + "user001.box\\");
}

TEST_F(DriveSubstitutionTest, FallsBackToThePlainCommandLine) {
    struct Case {
        const char* Name;
        bool AllDrivesTaken;
        std::vector<std::string> Substs;
    };
    const Case cases[] = {
        {"no free letter", true, {}},
        {"drive never appears",
         false,
         {"COMMAND.COM /C SUBST E: c:\\program files\\al-mail32\\"
          "mailboxes\\a long account",
          "COMMAND.COM /C SUBST E: /D"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        runner.Calls.clear();
        pump.Sleeps.clear();
        system.MountedDrives = {'C', 'D'};
        if (c.AllDrivesTaken) {
            for (char letter = 'C'; letter <= 'Z'; ++letter)
                system.MountedDrives.insert(letter);
        }
        IndexUpdateRun(services, view, kHost).Run(dialog);

        std::vector<std::string> commands = Commands();
        ASSERT_FALSE(commands.empty());
        const std::string mknmz = commands.back();
        commands.pop_back();
        EXPECT_EQ(commands, c.Substs);
        EXPECT_NE(mknmz.find("\"account/user001.box/\"  \"" + std::string(kLongAccount) +
                             "user001.box\""),
                  std::string::npos);
        EXPECT_EQ(runner.Calls.back().WorkDir, std::string(kLongAccount) + "user001.box\\");
        unsigned waited = 0;
        for (unsigned sleep : pump.Sleeps)
            waited += sleep;
        EXPECT_LE(waited, DriveSubstitution::kPollLimitMs);
    }
}

TEST_F(DriveSubstitutionTest, NoSubstitutionOnNtOrWithNamazu20) {
    for (bool nt : {true, false}) {
        SCOPED_TRACE(nt);
        runner.Calls.clear();
        system.NtFamily = nt;
        state.Store.Settings.NamazuVersion = nt ? "1.3" : "2.0";
        IndexUpdateRun(services, view, kHost).Run(dialog);
        ASSERT_EQ(runner.Calls.size(), 1u);
        EXPECT_EQ(runner.Calls[0].CommandLine.find("SUBST"), std::string::npos);
        EXPECT_EQ(system.DrivePolls, 0);
    }
}

TEST(FindFreeDriveLetterTest, FirstLetterFromCWithoutAVolume) {
    FakeSystemInfo system;
    system.MountedDrives = {'A', 'C', 'D', 'F'};
    EXPECT_EQ(FindFreeDriveLetter(system), std::optional<char>('E'));
    for (char letter = 'C'; letter <= 'Z'; ++letter)
        system.MountedDrives.insert(letter);
    EXPECT_EQ(FindFreeDriveLetter(system), std::nullopt);
}

} // namespace
