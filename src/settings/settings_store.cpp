#include "settings/settings_store.h"

#include "settings/integer_text.h"
#include "settings/profile_file.h"

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

using Field = std::string TSettings::*;

// A plain key: where it lives, its field, the value written when the file is
// created (null: not written then) and the value a load takes when it is absent.
struct PlainKey {
    const char* Section;
    const char* Key;
    Field Member;
    const char* Created;
    const char* Missing;
};

const PlainKey kPlainKeys[] = {
    {"General", "IndexingMenuCaption", &TSettings::IndexingMenuCaption,
     "Namazuインデックス更新(&K)...", "Namazuインデックス更新(&K)..."},
    {"General", "SearchMenuCaption", &TSettings::SearchMenuCaption, "Namazu検索(&F)...",
     "Namazu検索(&F)..."},
    {"Mknmz", "When", &TSettings::When, "UserOperation", "UserOperation"},
    {"Mknmz", "Ask", &TSettings::Ask, "1", "1"},
    {"Mknmz", "ShowWindow", &TSettings::ShowWindow, "1", "1"},
    {"Mknmz", "InDosPromptWindow", &TSettings::InDosPromptWindow, "0", "0"},
    {"Mknmz", "Minimize", &TSettings::Minimize, "0", "0"},
    {"Mknmz", "CloseOnFinish", &TSettings::CloseOnFinish, "0", "0"},
    {"Mknmz", "IntervalCountMail", &TSettings::IntervalCountMail, "50", "50"},
    {"Mknmz", "NowCountMail", &TSettings::NowCountMail, "0", "0"},
    {"Mknmz", "UsePreviousTarget", &TSettings::MknmzUsePreviousTarget, "1", "0"},
    {"Mknmz", "TargetFolderCount", &TSettings::MknmzTargetFolderCount, "0", "0"},
    {"Mknmz", "LastDate", &TSettings::LastDate, nullptr, "???"},
    {"Mknmz", "IndexDir", &TSettings::IndexDir, nullptr, ""},
    {"Mknmz", "UseTempDirectory", &TSettings::UseTempDirectory, "0", "0"},
    {"Search", "FormulaHistryCount", &TSettings::FormulaHistryCount, "10", "10"},
    {"Search", "Sort", &TSettings::Sort, "None", "None"},
    {"Search", "SortDirection", &TSettings::SortDirection, "Descend", "Descend"},
    {"Search", "ShowContents", &TSettings::ShowContents, "1", "1"},
    {"Search", "ListCount", &TSettings::ListCount, "20", "20"},
    {"Search", "TargetFolderCount", &TSettings::SearchTargetFolderCount, "0", "0"},
    {"Search", "Alias", &TSettings::Alias, nullptr, ""},
    {"Result", "SearchOnChangeSettings", &TSettings::SearchOnChangeSettings, "0", "0"},
    {"Result", "RenameToFolderName", &TSettings::RenameToFolderName, "1", "1"},
    {"Result", "CloseOnMailView", &TSettings::CloseOnMailView, "0", "0"},
    {"Result", "ConfirmCommandLine", &TSettings::ConfirmCommandLine, "0", "0"},
    {"Result", "FontNameResult", &TSettings::FontNameResult, "ＭＳ Ｐゴシック", "ＭＳ Ｐゴシック"},
    {"Result", "FontSizeResult", &TSettings::FontSizeResult, "9", "9"},
    {"Result", "FontBoldResult", &TSettings::FontBoldResult, "0", "0"},
    {"Result", "FontNameMail", &TSettings::FontNameMail, "ＭＳ ゴシック", "ＭＳ ゴシック"},
    {"Result", "FontSizeMail", &TSettings::FontSizeMail, "9", "9"},
    {"Result", "FontBoldMail", &TSettings::FontBoldMail, "0", "0"},
    {"Result", "Color", &TSettings::Color, "1", "1"},
    {"Result", "SaveWindowPos", &TSettings::SaveWindowPos, "0", "0"},
    {"Result", "SaveWindowSize", &TSettings::SaveWindowSize, "0", "0"},
    {"Result", "WindowLeft", &TSettings::WindowLeft, nullptr, ""},
    {"Result", "WindowTop", &TSettings::WindowTop, nullptr, ""},
    {"Result", "WindowWidth", &TSettings::WindowWidth, nullptr, ""},
    {"Result", "WindowHeight", &TSettings::WindowHeight, nullptr, ""},
    {"Command", "namazuPath", &TSettings::namazuPath, "c:\\usr\\local\\namazu\\bin\\namazu.exe",
     "c:\\usr\\local\\namazu\\bin\\namazu.exe"},
    {"Command", "mknmzPath", &TSettings::mknmzPath, "c:\\usr\\local\\namazu\\bin\\mknmz",
     "c:\\usr\\local\\namazu\\bin\\mknmz"},
    {"Command", "PerlPath", &TSettings::PerlPath, "c:\\Perl\\Bin\\Perl.exe",
     "c:\\Perl\\bin\\perl.exe"},
    {"Command", "namazuOption", &TSettings::namazuOption, "--config=\"namazurc\"", ""},
    {"Command", "mknmzOption", &TSettings::mknmzOption, kRecommendedMknmzOption20, "-kh -KP"},
    {"Command", "NamazuVersion", &TSettings::NamazuVersion, "2.0", "1.3"},
    {"Alias", "Max", &TSettings::AliasMax, "0", "0"},
};

const PlainKey& KeyOf(Field member, const char* section) {
    for (const PlainKey& key : kPlainKeys) {
        if (key.Member == member && std::string(key.Section) == section)
            return key;
    }
    throw std::logic_error("settings key missing from the table");
}

// Writes plain keys of one section in the given order, from the record.
void WriteKeys(ProfileFile& file, const TSettings& settings, const char* section,
               std::initializer_list<Field> members) {
    for (Field member : members)
        file.Write(section, KeyOf(member, section).Key, settings.*member);
}

// Writes plain keys of one section in the given order, with their creation values.
void WriteCreationValues(ProfileFile& file, const char* section,
                         std::initializer_list<Field> members) {
    for (Field member : members) {
        const PlainKey& key = KeyOf(member, section);
        file.Write(section, key.Key, key.Created);
    }
}

// Entries beyond the list's end are missing keys; they stay as they are.
void WriteList(ProfileFile& file, const char* section, const char* prefix,
               const std::string& countText, const std::vector<std::string>& entries) {
    const size_t count = static_cast<size_t>(std::max(IntegerOr(countText, 0), 0));
    for (size_t i = 0; i < std::min(count, entries.size()); ++i)
        file.Write(section, prefix + std::to_string(i + 1), entries[i]);
}

// A count in the file is only a claim. A list is built as far as its last
// numbered key with a value, though never shorter than a few entries, so
// that a count of millions costs no more than the keys really there. A key
// numbered beyond the file's own number of keys could only follow a gap
// longer than the file; it is left unread like one beyond the count.
constexpr int kEntriesWithoutKeys = 64;

int ReachableCount(const ProfileFile& file, int count) {
    const size_t reach = file.KeyCount() + kEntriesWithoutKeys;
    return static_cast<int>(std::min(static_cast<size_t>(std::max(count, 0)), reach));
}

template <typename HasValue>
int BuiltLength(const ProfileFile& file, int count, HasValue hasValue) {
    const int reachable = ReachableCount(file, count);
    int last = 0;
    for (int i = 1; i <= reachable; ++i) {
        if (hasValue(i))
            last = i;
    }
    return std::min(std::max(count, 0), std::max(last, kEntriesWithoutKeys));
}

std::vector<std::string> ReadList(const ProfileFile& file, const char* section, const char* prefix,
                                  const std::string& countText) {
    const auto keyOf = [prefix](int i) { return prefix + std::to_string(i); };
    const int length = BuiltLength(file, IntegerOr(countText, 0), [&](int i) {
        return !file.Read(section, keyOf(i), "").empty();
    });
    std::vector<std::string> entries;
    for (int i = 1; i <= length; ++i)
        entries.push_back(file.Read(section, keyOf(i), ""));
    return entries;
}

std::string AliasKey(const char* name, int alias) {
    return name + std::to_string(alias);
}

std::string AliasDirKey(int alias, int dir) {
    return "Dir" + std::to_string(alias) + "-" + std::to_string(dir);
}

// The number written at the front of text in decimal without leading zeros,
// and where it ends; nothing when there is none or it does not fit.
std::optional<std::pair<int, size_t>> LeadingNumber(const std::string& text, size_t from) {
    size_t end = from;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    const std::optional<int> number = ParseInteger(text.substr(from, end - from));
    if (!number || *number < 1 || std::to_string(*number) != text.substr(from, end - from))
        return std::nullopt;
    return std::make_pair(*number, end);
}

// The directory keys present in [Alias], by alias number and then directory
// number; a missing directory key names no folder, so it is not built at all.
std::map<int, std::map<int, std::string>> PresentAliasDirs(const ProfileFile& file) {
    std::map<int, std::map<int, std::string>> dirs;
    for (const std::string& name : file.KeyNames("Alias")) {
        if (name.compare(0, 3, "dir") != 0)
            continue;
        const auto alias = LeadingNumber(name, 3);
        if (!alias || alias->second >= name.size() || name[alias->second] != '-')
            continue;
        const auto dir = LeadingNumber(name, alias->second + 1);
        if (!dir || dir->second != name.size())
            continue;
        dirs[alias->first][dir->first] = file.Read("Alias", name, "");
    }
    return dirs;
}

void ReadAliases(const ProfileFile& file, TSettings& settings) {
    const int length = BuiltLength(file, IntegerOr(settings.AliasMax, 0), [&](int i) {
        return !file.Read("Alias", AliasKey("Name", i), "").empty() ||
               !file.Read("Alias", AliasKey("DirCount", i), "").empty();
    });
    const auto presentDirs = PresentAliasDirs(file);
    settings.Aliases.resize(static_cast<size_t>(length));
    for (int i = 1; i <= length; ++i) {
        TAliasInfo& alias = settings.Aliases[static_cast<size_t>(i - 1)];
        alias.Name = file.Read("Alias", AliasKey("Name", i), "");
        alias.Dirs.clear();
        const int dirCount = IntegerOr(file.Read("Alias", AliasKey("DirCount", i), ""), 0);
        const auto found = presentDirs.find(i);
        if (found == presentDirs.end())
            continue;
        for (const auto& [dir, value] : found->second) {
            if (dir <= dirCount)
                alias.Dirs += value + '\r';
        }
    }
}

} // namespace

void SettingsStore::EnsureSettingsFile() {
    if (SettingsFileExists())
        return;
    CreateDefaultSettings(IniFileName);
    LoadSettings(IniFileName);
}

void SettingsStore::CreateDefaultSettings(const std::string& fileName) {
    using S = TSettings;
    ProfileFile file(files_, fileName);
    WriteCreationValues(file, "General", {&S::IndexingMenuCaption, &S::SearchMenuCaption});
    WriteCreationValues(file, "Mknmz",
                        {&S::When, &S::Ask, &S::ShowWindow, &S::InDosPromptWindow, &S::Minimize,
                         &S::CloseOnFinish, &S::IntervalCountMail, &S::NowCountMail,
                         &S::MknmzUsePreviousTarget, &S::MknmzTargetFolderCount,
                         &S::UseTempDirectory});
    // Written for the sake of older files; nothing reads it.
    file.Write("Search", "UsePreviousTarget", "0");
    WriteCreationValues(file, "Search",
                        {&S::FormulaHistryCount, &S::Sort, &S::SortDirection, &S::ShowContents,
                         &S::ListCount, &S::SearchTargetFolderCount});
    WriteCreationValues(file, "Result",
                        {&S::SearchOnChangeSettings, &S::RenameToFolderName, &S::CloseOnMailView,
                         &S::ConfirmCommandLine, &S::FontNameResult, &S::FontSizeResult,
                         &S::FontBoldResult, &S::FontNameMail, &S::FontSizeMail, &S::FontBoldMail,
                         &S::Color, &S::SaveWindowPos, &S::SaveWindowSize});
    WriteCreationValues(file, "Command",
                        {&S::namazuPath, &S::mknmzPath, &S::PerlPath, &S::namazuOption,
                         &S::mknmzOption, &S::NamazuVersion});
    WriteCreationValues(file, "Alias", {&S::AliasMax});
    file.Save();
}

void SettingsStore::LoadSettings(const std::string& fileName) {
    ProfileFile file(files_, fileName);
    for (const PlainKey& key : kPlainKeys)
        Settings.*key.Member = file.Read(key.Section, key.Key, key.Missing);
    Settings.MknmzFolders = ReadList(file, "Mknmz", "Folder", Settings.MknmzTargetFolderCount);
    Settings.SearchFolders = ReadList(file, "Search", "Folder", Settings.SearchTargetFolderCount);
    Settings.History = ReadList(file, "Search", "History", Settings.FormulaHistryCount);
    // A file that predates the key gains it, so the generation stays as it was.
    if (Settings.NamazuVersion == "1.3")
        file.Write("Command", "NamazuVersion", "1.3");
    ReadAliases(file, Settings);
    file.Save();
}

void SettingsStore::SaveSettings(const std::string& fileName) {
    using S = TSettings;
    const TSettings& s = Settings;
    ProfileFile file(files_, fileName);
    WriteKeys(file, s, "General", {&S::IndexingMenuCaption, &S::SearchMenuCaption});
    WriteKeys(file, s, "Mknmz",
              {&S::When, &S::ShowWindow, &S::Ask, &S::InDosPromptWindow, &S::Minimize,
               &S::CloseOnFinish, &S::IntervalCountMail, &S::NowCountMail,
               &S::MknmzUsePreviousTarget, &S::MknmzTargetFolderCount, &S::LastDate});
    WriteList(file, "Mknmz", "Folder", s.MknmzTargetFolderCount, s.MknmzFolders);
    WriteKeys(file, s, "Mknmz", {&S::UseTempDirectory});
    WriteKeys(file, s, "Search", {&S::SearchTargetFolderCount});
    WriteList(file, "Search", "Folder", s.SearchTargetFolderCount, s.SearchFolders);
    WriteKeys(file, s, "Search", {&S::Alias, &S::FormulaHistryCount});
    WriteList(file, "Search", "History", s.FormulaHistryCount, s.History);
    WriteKeys(file, s, "Search", {&S::Sort, &S::SortDirection, &S::ShowContents, &S::ListCount});
    WriteKeys(file, s, "Result",
              {&S::SearchOnChangeSettings, &S::RenameToFolderName, &S::CloseOnMailView,
               &S::ConfirmCommandLine, &S::FontNameResult, &S::FontSizeResult, &S::FontBoldResult,
               &S::FontNameMail, &S::FontSizeMail, &S::FontBoldMail, &S::Color, &S::SaveWindowPos,
               &S::SaveWindowSize, &S::WindowLeft, &S::WindowTop, &S::WindowWidth,
               &S::WindowHeight});
    WriteKeys(file, s, "Command",
              {&S::namazuPath, &S::mknmzPath, &S::PerlPath, &S::namazuOption, &S::mknmzOption,
               &S::NamazuVersion});
    file.Save();
}

void SettingsStore::SaveAliases() {
    ProfileFile file(files_, IniFileName);
    file.Write("Alias", "Max", Settings.AliasMax);
    const int count =
        std::min(IntegerOr(Settings.AliasMax, 0), static_cast<int>(Settings.Aliases.size()));
    for (int i = 1; i <= count; ++i) {
        const TAliasInfo& alias = Settings.Aliases[static_cast<size_t>(i - 1)];
        const std::vector<std::string> dirs = AliasDirLines(alias.Dirs);
        file.Write("Alias", AliasKey("Name", i), alias.Name);
        file.Write("Alias", AliasKey("DirCount", i), std::to_string(dirs.size()));
        for (size_t j = 0; j < dirs.size(); ++j)
            file.Write("Alias", AliasDirKey(i, static_cast<int>(j + 1)), dirs[j]);
    }
    file.Save();
}

void SettingsStore::WriteMailCounter() {
    ProfileFile file(files_, IniFileName);
    file.Write("Mknmz", "NowCountMail", Settings.NowCountMail);
    file.Save();
}
