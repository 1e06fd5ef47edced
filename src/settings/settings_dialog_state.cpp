#include "settings/settings_dialog_state.h"

#include "settings/integer_text.h"
#include "text/shift_jis.h"
#include "text/trimming.h"

#include <algorithm>

namespace {

bool IsFlagOn(const std::string& value) {
    return value == "1";
}
std::string FlagText(bool on) {
    return on ? "1" : "0";
}

SettingsDialogState::Timing TimingOf(const std::string& when) {
    const std::string lowered = AsciiLowerCase(when);
    if (lowered == "startup")
        return SettingsDialogState::StartUp;
    if (lowered == "cleanup")
        return SettingsDialogState::CleanUp;
    return SettingsDialogState::UserOperation;
}

std::string WhenText(SettingsDialogState::Timing timing) {
    switch (timing) {
    case SettingsDialogState::StartUp:
        return "StartUp";
    case SettingsDialogState::CleanUp:
        return "CleanUp";
    default:
        return "UserOperation";
    }
}

} // namespace

SettingsDialogState OpenSettingsDialogState(SettingsStore& store) {
    store.LoadSettings(store.IniFileName);
    return DialogStateFromSettings(store.Settings);
}

int IntervalPositionOf(const std::string& storedValue) {
    const int value = IntegerOr(storedValue, SettingsDialogState::kUnreadableInterval);
    return std::clamp(value, SettingsDialogState::kLowestInterval,
                      SettingsDialogState::kHighestInterval);
}

SettingsDialogState DialogStateFromSettings(const TSettings& settings) {
    SettingsDialogState state;
    state.UpdateTiming = TimingOf(settings.When);
    state.IntervalCountMail = IntervalPositionOf(settings.IntervalCountMail);
    state.ForceIndexing = settings.Ask == "0";
    state.ExitIndexingOnFinish = IsFlagOn(settings.CloseOnFinish);

    state.SearchOnChangeSettings = IsFlagOn(settings.SearchOnChangeSettings);
    state.RenameToFolderName = IsFlagOn(settings.RenameToFolderName);
    state.ExitSearchOnMailView = IsFlagOn(settings.CloseOnMailView);
    state.ConfirmCommandLine = IsFlagOn(settings.ConfirmCommandLine);

    state.MknmzOption = settings.mknmzOption;
    state.NamazuOption = settings.namazuOption;
    state.ShowWindow = IsFlagOn(settings.ShowWindow);
    state.InDosWindow = IsFlagOn(settings.InDosPromptWindow);
    state.Minimize = IsFlagOn(settings.Minimize);
    state.NamazuVersion = settings.NamazuVersion == "1.3" ? SettingsDialogState::Namazu13
                                                          : SettingsDialogState::Namazu20;

    state.IndexingMenu = settings.IndexingMenuCaption;
    state.NamazuMenu = settings.SearchMenuCaption;

    state.PerlPath = settings.PerlPath;
    state.MknmzPath = settings.mknmzPath;
    state.NamazuPath = settings.namazuPath;

    state.UseTempDirectory = IsFlagOn(settings.UseTempDirectory);
    return state;
}

void ApplyDialogState(const SettingsDialogState& state, TSettings& settings) {
    const std::string oldWhen = settings.When;
    settings.When = WhenText(state.UpdateTiming);
    if (settings.When != oldWhen)
        settings.NowCountMail = "0";
    settings.IntervalCountMail = std::to_string(state.IntervalCountMail);

    settings.Ask = state.ForceIndexing ? "0" : "1";
    settings.CloseOnFinish = FlagText(state.ExitIndexingOnFinish);
    settings.SearchOnChangeSettings = FlagText(state.SearchOnChangeSettings);
    settings.RenameToFolderName = FlagText(state.RenameToFolderName);
    settings.CloseOnMailView = FlagText(state.ExitSearchOnMailView);
    settings.ConfirmCommandLine = FlagText(state.ConfirmCommandLine);

    settings.mknmzOption = TrimControlCharacters(state.MknmzOption);
    settings.namazuOption = TrimControlCharacters(state.NamazuOption);

    settings.ShowWindow = FlagText(state.ShowWindow);
    settings.InDosPromptWindow = FlagText(state.InDosWindow);
    settings.Minimize = FlagText(state.Minimize);

    if (state.NamazuVersion == SettingsDialogState::Namazu13)
        settings.NamazuVersion = "1.3";
    else if (state.NamazuVersion == SettingsDialogState::Namazu20)
        settings.NamazuVersion = "2.0";

    settings.IndexingMenuCaption = state.IndexingMenu;
    settings.SearchMenuCaption = state.NamazuMenu;
    settings.PerlPath = state.PerlPath;
    settings.mknmzPath = state.MknmzPath;
    settings.namazuPath = state.NamazuPath;

    settings.UseTempDirectory = FlagText(state.UseTempDirectory);
}

void CommitSettingsDialogState(const SettingsDialogState& state, SettingsStore& store) {
    ApplyDialogState(state, store.Settings);
    store.SaveSettings(store.IniFileName);
}

OptionTexts RecommendedOptions(SettingsDialogState::Version version) {
    if (version == SettingsDialogState::Namazu13)
        return {"-kh -KP -t \".*\\.alm\"", ""};
    return {kRecommendedMknmzOption20, "--config=\"namazurc\""};
}

ProgramPaths DefaultProgramPaths(SettingsDialogState::Version version) {
    if (version == SettingsDialogState::Namazu13)
        return {"c:\\usr\\local\\namazu\\bin\\mknmz", "c:\\usr\\local\\namazu\\bin\\namazu.exe"};
    return {"c:\\namazu\\bin\\mknmz", "c:\\namazu\\bin\\namazu.exe"};
}
