#include "settings/settings_dialog_state.h"

#include "settings/integer_text.h"
#include "settings/settings_dialog_fields.h"
#include "text/shift_jis.h"
#include "text/trimming.h"

#include <algorithm>

namespace {

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
    state.NamazuVersion = settings.NamazuVersion == "1.3" ? SettingsDialogState::Namazu13
                                                          : SettingsDialogState::Namazu20;
    for (const CheckBoxField& field : kCheckBoxFields)
        state.*field.State = settings.*field.Setting == field.OnText;
    for (const EditField& field : kEditFields)
        state.*field.State = settings.*field.Setting;
    return state;
}

void ApplyDialogState(const SettingsDialogState& state, TSettings& settings) {
    const std::string oldWhen = settings.When;
    settings.When = WhenText(state.UpdateTiming);
    if (settings.When != oldWhen)
        settings.NowCountMail = "0";
    settings.IntervalCountMail = std::to_string(state.IntervalCountMail);

    if (state.NamazuVersion == SettingsDialogState::Namazu13)
        settings.NamazuVersion = "1.3";
    else if (state.NamazuVersion == SettingsDialogState::Namazu20)
        settings.NamazuVersion = "2.0";

    for (const CheckBoxField& field : kCheckBoxFields)
        settings.*field.Setting = state.*field.State ? field.OnText : field.OffText;
    for (const EditField& field : kEditFields) {
        const std::string& text = state.*field.State;
        settings.*field.Setting = field.Trimmed ? TrimControlCharacters(text) : text;
    }
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
