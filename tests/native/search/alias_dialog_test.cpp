#include "platform/plugin_error.h"
#include "search/alias_dialog.h"
#include "search/alias_list.h"
#include "search_fixture.h"
#include "settings/profile_document.h"

#include <gtest/gtest.h>

namespace {

const std::string kBase = SearchFixture::kAccount;

class AliasDialogTest : public ::testing::Test, public SearchFixture {
protected:
    TSettings& Settings() { return State.Store.Settings; }

    void SetUp() override {
        LoadCatalogue();
        State.Store.IniFileName = kIni;
        WriteSettings("[Alias]\r\nMax=0\r\n");
    }
    void SetAliases(const std::vector<std::string>& names) {
        Settings().Aliases.clear();
        for (const std::string& name : names) {
            TAliasInfo alias;
            alias.Name = name;
            alias.Dirs = "Namazu\\inbox\\\r";
            Settings().Aliases.push_back(alias);
        }
        Settings().AliasMax = std::to_string(names.size());
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const TAliasInfo& alias : State.Store.Settings.Aliases)
            names.push_back(alias.Name);
        return names;
    }
    AliasDialog Dialog(AliasDialogMode mode, std::vector<int> selected = {2, 6}) {
        return AliasDialog(State.Store, State.Catalogue, Ui, mode, selected, kBase);
    }
    std::string Stored(const std::string& key) {
        return ProfileDocument(SettingsFile()).Read("Alias", key, "<absent>");
    }
};

TEST_F(AliasDialogTest, PositionListEndsWithTheLastPlaceInSaveAsModeOnly) {
    SetAliases({"A", "B"});
    EXPECT_EQ(Dialog(AliasDialogMode::SaveAs).InsertPositions(),
              (std::vector<std::string>{"1", "2", "3 (最後)"}));
    EXPECT_EQ(Dialog(AliasDialogMode::Rename).InsertPositions(),
              (std::vector<std::string>{"1", "2"}));
    SetAliases({});
    EXPECT_EQ(Dialog(AliasDialogMode::SaveAs).InsertPositions(),
              (std::vector<std::string>{"1 (最後)"}));
}

TEST_F(AliasDialogTest, SaveAsInsertsANewAliasWhereChosen) {
    struct Case {
        int position;
        std::vector<std::string> names;
    };
    const Case cases[] = {{1, {"A", "D", "B", "C"}},
                          {3, {"A", "B", "C", "D"}},
                          {-1, {"A", "B", "C", "D"}},
                          {0, {"D", "A", "B", "C"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        SetAliases({"A", "B", "C"});
        AliasDialog dialog = Dialog(AliasDialogMode::SaveAs);
        const AliasDialog::SaveResult result = dialog.Save(Owner, "D", -1, c.position);
        EXPECT_TRUE(result.Saved);
        EXPECT_EQ(Names(), c.names);
        EXPECT_EQ(Settings().AliasMax, "4");
        EXPECT_EQ(Stored("Max"), "4");
    }
}

TEST_F(AliasDialogTest, SaveAsStoresTheSelectionWithoutTheIndexBase) {
    SetAliases({});
    Dialog(AliasDialogMode::SaveAs).Save(Owner, "  資料  ", -1, -1);
    ASSERT_EQ(Settings().Aliases.size(), 1u);
    EXPECT_EQ(Settings().Aliases[0].Name, "資料");
    EXPECT_EQ(Settings().Aliases[0].Dirs, "Namazu\\b001\\\rNamazu\\b002\\b005\\b006\\");
    EXPECT_EQ(Stored("Name1"), "資料");
    EXPECT_EQ(Stored("DirCount1"), "2");
    EXPECT_EQ(Stored("Dir1-1"), "Namazu\\b001\\");
    EXPECT_EQ(Stored("Dir1-2"), "Namazu\\b002\\b005\\b006\\");
}

TEST_F(AliasDialogTest, MembersResolveTheSameWithAnIndexDirectorySet) {
    Settings().IndexDir = "d:\\idx\\";
    LoadCatalogue();
    SetAliases({});
    AliasDialog saving(State.Store, State.Catalogue, Ui, AliasDialogMode::SaveAs, {7, 4},
                       "d:\\idx\\");
    saving.Save(Owner, "X", -1, -1);
    EXPECT_EQ(Settings().Aliases[0].Dirs, "Namazu\\b003\\\rNamazu\\b002\\b004\\");
    AliasDialog renaming(State.Store, State.Catalogue, Ui, AliasDialogMode::Rename, {},
                         "d:\\idx\\");
    EXPECT_EQ(renaming.FolderNames(0), (std::vector<std::string>{"私用", "会議"}));
}

TEST_F(AliasDialogTest, MembersSurviveAnIndexDirectoryEndingInALoneLeadByte) {
    const std::string base = "d:\\x\x81";
    Settings().IndexDir = base;
    LoadCatalogue();
    SetAliases({});
    AliasDialog saving(State.Store, State.Catalogue, Ui, AliasDialogMode::SaveAs, {0, 4}, base);
    saving.Save(Owner, "X", -1, -1);
    EXPECT_EQ(Settings().Aliases[0].Dirs, "Namazu\\inbox\\\rNamazu\\b002\\b004\\");
    AliasDialog renaming(State.Store, State.Catalogue, Ui, AliasDialogMode::Rename, {}, base);
    EXPECT_EQ(renaming.FolderNames(0), (std::vector<std::string>{"郵便受け", "会議"}));
}

TEST_F(AliasDialogTest, SaveAsOverAnExistingNameAsksAndKeepsTheMark) {
    SetAliases({"A", "B", "C"});
    Settings().Aliases[1].Selected = true;
    Ui.ConfirmAnswer = false;
    const AliasDialog::SaveResult refused = Dialog(AliasDialogMode::SaveAs).Save(Owner, "b", -1, 3);
    EXPECT_FALSE(refused.Saved);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(Stored("Max"), "0");
    ASSERT_EQ(Ui.Boxes.size(), 1u);
    EXPECT_EQ(Ui.Boxes[0].Kind, "confirm");
    EXPECT_EQ(Ui.Boxes[0].Owner, Owner);
    EXPECT_EQ(Ui.Boxes[0].Caption, "上書きの確認");
    EXPECT_EQ(Ui.Boxes[0].Text,
              "同じ名前のエイリアスがすでに存在します。\n上書きしてもよろしいですか？");

    Ui.ConfirmAnswer = true;
    EXPECT_TRUE(Dialog(AliasDialogMode::SaveAs).Save(Owner, "b", -1, 3).Saved);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "C", "b"}));
    EXPECT_EQ(Settings().Aliases[2].Dirs, "Namazu\\b001\\\rNamazu\\b002\\b005\\b006\\");
    EXPECT_TRUE(Settings().Aliases[2].Selected);
    EXPECT_EQ(Settings().AliasMax, "3");
}

TEST_F(AliasDialogTest, OverwriteWithoutAPositionStaysInPlace) {
    SetAliases({"A", "B", "C"});
    Dialog(AliasDialogMode::SaveAs).Save(Owner, "A", -1, -1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(AliasDialogTest, BlankNamesAreRefusedWithTheModesMessage) {
    SetAliases({"A"});
    const char* const blanks[] = {"", "   ", "　", " \t　　 "};
    for (const char* blank : blanks) {
        SCOPED_TRACE(blank);
        Ui.Boxes.clear();
        EXPECT_FALSE(Dialog(AliasDialogMode::SaveAs).Save(Owner, blank, -1, -1).Saved);
        EXPECT_FALSE(Dialog(AliasDialogMode::Rename).Save(Owner, blank, 0, -1).Saved);
        ASSERT_EQ(Ui.Boxes.size(), 2u);
        EXPECT_EQ(Ui.Boxes[0].Kind, "error");
        EXPECT_EQ(Ui.Boxes[0].Caption, "エラー");
        EXPECT_EQ(Ui.Boxes[0].Text, "エイリアス名を入力してください。");
        EXPECT_EQ(Ui.Boxes[1].Text,
                  "新しいエイリアス名を入力してください。\n"
                  "順序のみを変更するときは旧エイリアス名と同じものを選択してください。");
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(Stored("Max"), "0");
}

TEST_F(AliasDialogTest, NameKeepsInnerIdeographicSpacesAndATrailingLeadByte) {
    SetAliases({});
    const AliasDialog::SaveResult spaced =
        Dialog(AliasDialogMode::SaveAs).Save(Owner, " 会議　資料 ", -1, -1);
    EXPECT_EQ(spaced.Name, "会議　資料");
    // An ASCII space between ideographic ones is not trimmed, so it is a name.
    EXPECT_TRUE(Dialog(AliasDialogMode::SaveAs).Save(Owner, "　 　", -1, -1).Saved);
    const AliasDialog::SaveResult broken =
        Dialog(AliasDialogMode::SaveAs).Save(Owner, "abc\x81", -1, -1);
    EXPECT_TRUE(broken.Saved);
    EXPECT_EQ(Names(), (std::vector<std::string>{"会議　資料", "　 　", "abc\x81"}));
    EXPECT_EQ(Stored("Name3"), "abc\x81");
    EXPECT_EQ(Stored("Max"), "3");
}

TEST_F(AliasDialogTest, RenameChangesTheNameOrOnlyTheOrder) {
    SetAliases({"A", "B", "C"});
    Settings().Aliases[2].Selected = true;
    EXPECT_TRUE(Dialog(AliasDialogMode::Rename).Save(Owner, "C", 2, 0).Saved);
    EXPECT_EQ(Names(), (std::vector<std::string>{"C", "A", "B"}));
    EXPECT_TRUE(Settings().Aliases[0].Selected);

    SetAliases({"Work", "B"});
    EXPECT_TRUE(Dialog(AliasDialogMode::Rename).Save(Owner, "work", 0, 1).Saved);
    EXPECT_EQ(Names(), (std::vector<std::string>{"B", "Work"}));

    EXPECT_TRUE(Dialog(AliasDialogMode::Rename).Save(Owner, "仕事", 1, -1).Saved);
    EXPECT_EQ(Names(), (std::vector<std::string>{"B", "仕事"}));
    EXPECT_EQ(Stored("Name2"), "仕事");
    EXPECT_EQ(Stored("Dir2-1"), "Namazu\\inbox\\");
}

TEST_F(AliasDialogTest, RenameRefusesAMissingOldAliasAndAnotherAliasesName) {
    SetAliases({"A", "B"});
    EXPECT_FALSE(Dialog(AliasDialogMode::Rename).Save(Owner, "X", -1, -1).Saved);
    EXPECT_FALSE(Dialog(AliasDialogMode::Rename).Save(Owner, "b", 0, -1).Saved);
    ASSERT_EQ(Ui.Boxes.size(), 2u);
    EXPECT_EQ(Ui.Boxes[0].Caption, "エラー");
    EXPECT_EQ(Ui.Boxes[0].Text, "旧エイリアス名を選択してください。");
    EXPECT_EQ(Ui.Boxes[1].Text, "すでに存在する名称には変更できません。");
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Stored("Max"), "0");
}

TEST_F(AliasDialogTest, RenameShowsOnlyMembersThatStillExistAndKeepsTheRest) {
    SetAliases({"A"});
    Settings().Aliases[0].Dirs = "Namazu\\b099\\\rNamazu\\b003\\\r";
    AliasDialog dialog = Dialog(AliasDialogMode::Rename);
    EXPECT_EQ(dialog.FolderNames(0), (std::vector<std::string>{"私用"}));
    EXPECT_TRUE(dialog.FolderNames(-1).empty());
    dialog.Save(Owner, "B", 0, -1);
    EXPECT_EQ(Stored("DirCount1"), "2");
    EXPECT_EQ(Stored("Dir1-1"), "Namazu\\b099\\");
}

TEST_F(AliasDialogTest, OldAliasIsChosenIgnoringCase) {
    SetAliases({"Work", "work"});
    EXPECT_EQ(Dialog(AliasDialogMode::Rename).FindNameIgnoringCase("WORK"), 0);
    EXPECT_EQ(Dialog(AliasDialogMode::Rename).FindNameIgnoringCase("none"), -1);
}

TEST_F(AliasDialogTest, RefusedWriteLeavesTheListAsItWas) {
    SetAliases({"A"});
    Files.ReadOnly.insert(kIni);
    const AliasDialog::SaveResult result = Dialog(AliasDialogMode::SaveAs).Save(Owner, "B", -1, 0);
    EXPECT_FALSE(result.Saved);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(Settings().AliasMax, "1");
    ASSERT_EQ(Ui.Boxes.size(), 1u);
    EXPECT_EQ(Ui.Boxes[0].Kind, "message");
}

TEST(AliasListTest, DeleteAndMoveCarryWholeRecords) {
    TSettings settings;
    for (const char* name : {"A", "B", "C", "D"}) {
        TAliasInfo alias;
        alias.Name = name;
        alias.Dirs = std::string(name) + "\r";
        settings.Aliases.push_back(alias);
    }
    settings.AliasMax = "4";
    settings.Aliases[3].Selected = true;
    MoveAlias(settings, 3, 1);
    EXPECT_EQ(settings.Aliases[1].Dirs, "D\r");
    EXPECT_TRUE(settings.Aliases[1].Selected);
    MoveAlias(settings, 0, 3);
    EXPECT_EQ(settings.Aliases[0].Name, "D");
    EXPECT_EQ(settings.Aliases[3].Name, "A");

    DeleteAlias(settings, "b");
    EXPECT_EQ(settings.AliasMax, "4");
    DeleteAlias(settings, "D");
    EXPECT_EQ(settings.AliasMax, "3");
    ASSERT_EQ(settings.Aliases.size(), 3u);
    EXPECT_EQ(settings.Aliases[0].Name, "B");
    EXPECT_FALSE(settings.Aliases[0].Selected);
}

} // namespace
