// Saves a large settings record through SaveSettings and SaveAliases, then
// makes the same key writes through WritePrivateProfileStringA, and prints
// how many times faster our writer is.
#include "platform/win32/win32_file_system.h"
#include "settings/profile_document.h"
#include "settings/settings_store.h"
#include "text/win32/text_encoding.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct KeyWrite {
    std::string Section;
    std::string Key;
    std::string Value;
};

double Seconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string TemporaryPath(const char* name) {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    return ShiftJisFromWide(base) + name;
}

void FillLargeRecord(SettingsStore& store) {
    TSettings& s = store.Settings;
    for (int i = 0; i < 100; ++i)
        s.SearchFolders.push_back(std::to_string(i) + ":フォルダ" + std::to_string(i));
    s.SearchTargetFolderCount = "100";
    for (int i = 0; i < 50; ++i)
        s.History.push_back("予算 and 会議 " + std::to_string(i));
    s.FormulaHistryCount = "50";
    for (int i = 0; i < 200; ++i) {
        TAliasInfo alias;
        alias.Name = "別名" + std::to_string(i);
        for (int j = 0; j < 10; ++j)
            alias.Dirs += "Namazu\\b" + std::to_string(100 + j) + "\\\r";
        s.Aliases.push_back(alias);
    }
    s.AliasMax = "200";
}

// The writes a save made, in file order: on a fresh file that is write order.
std::vector<KeyWrite> WritesIn(const std::string& file) {
    std::vector<KeyWrite> writes;
    std::istringstream lines(file);
    std::string line, section;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            writes.push_back({section, line.substr(0, equals), line.substr(equals + 1)});
    }
    return writes;
}

double TimeOurSave(SettingsStore& store, const std::string& path) {
    DeleteFileW(WideFromShiftJis(path).c_str());
    store.IniFileName = path;
    const double start = Seconds();
    store.SaveSettings(path);
    store.SaveAliases();
    return Seconds() - start;
}

double TimeProfileApi(const std::vector<KeyWrite>& writes, const std::string& path) {
    DeleteFileW(WideFromShiftJis(path).c_str());
    const double start = Seconds();
    for (const KeyWrite& write : writes) {
        WritePrivateProfileStringA(write.Section.c_str(), write.Key.c_str(), write.Value.c_str(),
                                   path.c_str());
    }
    return Seconds() - start;
}

} // namespace

int main() {
    Win32FileSystem files;
    SettingsStore store(files);
    // Loading a missing file gives the defaults (and writes the generation key).
    const std::string defaults = TemporaryPath("tarnwick-bench-defaults.ini");
    store.LoadSettings(defaults);
    DeleteFileW(WideFromShiftJis(defaults).c_str());
    FillLargeRecord(store);

    const std::string ours = TemporaryPath("tarnwick-bench-ours.ini");
    const std::string theirs = TemporaryPath("tarnwick-bench-api.ini");
    const int rounds = 3;
    double ourBest = 1e9, apiBest = 1e9;
    std::vector<KeyWrite> writes;
    for (int round = 0; round < rounds; ++round) {
        ourBest = std::min(ourBest, TimeOurSave(store, ours));
        writes = WritesIn(files.ReadFile(ours).value_or(""));
        apiBest = std::min(apiBest, TimeProfileApi(writes, theirs));
    }
    const bool same = files.ReadFile(ours) == files.ReadFile(theirs);
    std::printf("key writes: %zu\n", writes.size());
    std::printf("SaveSettings + SaveAliases: %.4f s\n", ourBest);
    std::printf("WritePrivateProfileStringA: %.4f s\n", apiBest);
    std::printf("ratio: %.1fx faster; files %s\n", apiBest / ourBest,
                same ? "identical" : "DIFFER");
    DeleteFileW(WideFromShiftJis(ours).c_str());
    DeleteFileW(WideFromShiftJis(theirs).c_str());
    return same ? 0 : 1;
}
