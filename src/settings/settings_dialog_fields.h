#pragma once

#include "settings/settings_dialog_state.h"
#include "settings/settings_record.h"
#include "settings/win32/settings_resource.h"

#include <string>

// The controls that show one stored value each, as it is. The dialog and
// the state both walk these lists, so a new field is one line here.

// A check box: checked when the stored value is exactly OnText; OK stores
// OnText or OffText.
struct CheckBoxField {
    int ControlId;
    bool SettingsDialogState::*State;
    std::string TSettings::*Setting;
    const char* OnText;
    const char* OffText;
};

// An edit; OK drops control characters from the trimmed ones, as a pasted
// option may carry a line break.
struct EditField {
    int ControlId;
    std::string SettingsDialogState::*State;
    std::string TSettings::*Setting;
    bool Trimmed;
};

inline constexpr CheckBoxField kCheckBoxFields[] = {
    // Asking is the stored value; the box forces indexing without asking.
    {IDC_CHK_FORCE_INDEXING, &SettingsDialogState::ForceIndexing, &TSettings::Ask, "0", "1"},
    {IDC_CHK_EXIT_INDEXING_ON_FINISH, &SettingsDialogState::ExitIndexingOnFinish,
     &TSettings::CloseOnFinish, "1", "0"},
    {IDC_CHK_SEARCH_ON_CHANGE_SETTINGS, &SettingsDialogState::SearchOnChangeSettings,
     &TSettings::SearchOnChangeSettings, "1", "0"},
    {IDC_CHK_RENAME_TO_FOLDER_NAME, &SettingsDialogState::RenameToFolderName,
     &TSettings::RenameToFolderName, "1", "0"},
    {IDC_CHK_EXIT_SEARCH_ON_MAIL_VIEW, &SettingsDialogState::ExitSearchOnMailView,
     &TSettings::CloseOnMailView, "1", "0"},
    {IDC_CHK_CONFIRM_COMMAND_LINE, &SettingsDialogState::ConfirmCommandLine,
     &TSettings::ConfirmCommandLine, "1", "0"},
    {IDC_CHK_SHOW_WINDOW, &SettingsDialogState::ShowWindow, &TSettings::ShowWindow, "1", "0"},
    {IDC_CHK_IN_DOS_WINDOW, &SettingsDialogState::InDosWindow, &TSettings::InDosPromptWindow, "1",
     "0"},
    {IDC_CHK_MINIMIZE, &SettingsDialogState::Minimize, &TSettings::Minimize, "1", "0"},
    {IDC_CHK_USE_TEMP_DIRECTORY, &SettingsDialogState::UseTempDirectory,
     &TSettings::UseTempDirectory, "1", "0"},
};

inline constexpr EditField kEditFields[] = {
    {IDC_EDT_MKNMZ_OPTION, &SettingsDialogState::MknmzOption, &TSettings::mknmzOption, true},
    {IDC_EDT_NAMAZU_OPTION, &SettingsDialogState::NamazuOption, &TSettings::namazuOption, true},
    {IDC_EDT_INDEXING_MENU, &SettingsDialogState::IndexingMenu, &TSettings::IndexingMenuCaption,
     false},
    {IDC_EDT_NAMAZU_MENU, &SettingsDialogState::NamazuMenu, &TSettings::SearchMenuCaption, false},
    {IDC_EDT_PERL_PATH, &SettingsDialogState::PerlPath, &TSettings::PerlPath, false},
    {IDC_EDT_MKNMZ_PATH, &SettingsDialogState::MknmzPath, &TSettings::mknmzPath, false},
    {IDC_EDT_NAMAZU_PATH, &SettingsDialogState::NamazuPath, &TSettings::namazuPath, false},
};
