// Loads the folder catalogue of an account with 2,000 folders in nested
// containers on the real file system, and compares it with the bare I/O it
// cannot avoid: listing every directory and reading every INI file once.
#include "account_only_host.h"
#include "catalogue/folder_catalogue.h"
#include "platform/win32/win32_file_system.h"
#include "text/win32/text_encoding.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

const int kContainers = 20;
const int kFoldersPerContainer = 100;

double Seconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string Number(int n) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", n);
    return digits;
}

std::string EntryIni(const std::string& title, const std::string& type, const std::string& order) {
    return "[Property]\r\nTitle=" + title + "\r\nType=" + type + "\r\nOrder=" + order + "\r\n";
}

void WriteAccount(FileSystem& files, const std::string& account) {
    files.MakeDirectory(account);
    std::string accountOrder;
    for (int c = 0; c < kContainers; ++c) {
        const std::string container = account + "user" + Number(900 + c) + ".box\\";
        files.MakeDirectory(container);
        std::string order;
        for (int f = 1; f <= kFoldersPerContainer; ++f) {
            const std::string folder = container + "user" + Number(f) + ".box\\";
            files.MakeDirectory(folder);
            files.ReplaceContent(folder + "entry.ini", EntryIni("フォルダ" + Number(f), "", ""));
            order += Number(f);
        }
        files.ReplaceContent(container + "entry.ini",
                             EntryIni("入れ物" + Number(c), "Subfolder", order));
        accountOrder += Number(900 + c);
    }
    files.ReplaceContent(account + "account.ini", "[Property]\r\nOrder=" + accountOrder + "\r\n");
}

// Every directory listed and every INI file read once, nothing interpreted.
size_t ReadEverything(FileSystem& files, const std::string& directory, const char* orderFile) {
    size_t bytes = files.ReadFile(directory + orderFile).value_or("").size();
    for (const DirectoryEntry& entry : files.ListDirectory(directory + "*.box")) {
        if (entry.IsDirectory)
            bytes += ReadEverything(files, directory + entry.Name + "\\", "entry.ini");
    }
    return bytes;
}

void RemoveTree(const std::wstring& directory) {
    std::wstring from = directory + L'\0';
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&operation);
}

} // namespace

int main() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string account = ShiftJisFromWide(temp) + "tarnwick-catalogue-bench\\";
    Win32FileSystem files;
    WriteAccount(files, account);

    AccountOnlyHost host(account);
    TSettings settings;
    FolderCatalogue catalogue(files, host, settings);
    double catalogueBest = 1e9, baselineBest = 1e9;
    for (int round = 0; round < 5; ++round) {
        double start = Seconds();
        catalogue.LoadFolderCatalogue(nullptr);
        catalogueBest = std::min(catalogueBest, Seconds() - start);
        start = Seconds();
        ReadEverything(files, account, "account.ini");
        baselineBest = std::min(baselineBest, Seconds() - start);
    }
    std::printf("folders in the catalogue: %d\n", catalogue.Count());
    std::printf("LoadFolderCatalogue: %.4f s\n", catalogueBest);
    std::printf("listing and reading the same files: %.4f s\n", baselineBest);
    std::printf("ratio: %.2fx the bare I/O\n", catalogueBest / baselineBest);
    RemoveTree(WideFromShiftJis(account.substr(0, account.size() - 1)));
    return catalogue.Count() == kContainers * (kFoldersPerContainer + 1) ? 0 : 1;
}
