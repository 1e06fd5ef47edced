#pragma once

#include "platform/handles.h"
#include "platform/host_api.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"

#include <string>

// What the settings dialog shows, control by control. The dialog reads it
// from the settings record when it opens and writes it back on OK; the
// window only renders it.
struct SettingsDialogState {
    enum Timing { StartUp, CleanUp, UserOperation };
    // The version radio group: no item, "1.3.x" or "2.0".
    enum Version { NoVersion = -1, Namazu13 = 0, Namazu20 = 1 };

    static constexpr int kLowestInterval = 0;
    static constexpr int kHighestInterval = 200;
    // Shown when the stored interval is not a number.
    static constexpr int kUnreadableInterval = 30;

    Timing UpdateTiming = UserOperation;
    int IntervalCountMail = kUnreadableInterval;
    bool ForceIndexing = false;
    bool ExitIndexingOnFinish = false;

    bool SearchOnChangeSettings = false;
    bool RenameToFolderName = false;
    bool ExitSearchOnMailView = false;
    bool ConfirmCommandLine = false;

    std::string MknmzOption;
    std::string NamazuOption;
    bool ShowWindow = false;
    bool InDosWindow = false;
    bool Minimize = false;
    Version NamazuVersion = Namazu20;

    std::string IndexingMenu;
    std::string NamazuMenu;

    std::string PerlPath;
    std::string MknmzPath;
    std::string NamazuPath;

    bool UseTempDirectory = false;
};

// Reloads the record from IniFileName and returns what the controls show.
SettingsDialogState OpenSettingsDialogState(SettingsStore& store);
SettingsDialogState DialogStateFromSettings(const TSettings& settings);

// OK: the record takes the controls' values, in the dialog's order, and is
// saved to IniFileName. Changing the timing resets the mail counter.
void CommitSettingsDialogState(const SettingsDialogState& state, SettingsStore& store);
void ApplyDialogState(const SettingsDialogState& state, TSettings& settings);

// The interval edit's up-down position for a stored value.
int IntervalPositionOf(const std::string& storedValue);

struct OptionTexts {
    std::string Mknmz;
    std::string Namazu;
};
struct ProgramPaths {
    std::string Mknmz;
    std::string Namazu;
};
// What "お薦めオプション" and "既定値をセット" fill in for a version; with no
// version selected, those of 2.0.
OptionTexts RecommendedOptions(SettingsDialogState::Version version);
ProgramPaths DefaultProgramPaths(SettingsDialogState::Version version);
