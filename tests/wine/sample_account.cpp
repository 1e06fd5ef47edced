#include "sample_account.h"

#include "text/shift_jis.h"
#include "text/win32/text_encoding.h"

#include <windows.h>

#include <shellapi.h>

#include <stdexcept>

std::string WindowsFormOf(const std::string& linuxPath) {
    std::string path = "Z:" + linuxPath;
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return path;
}

std::string NewTmpDirectory(const std::string& stem) {
    // Wine sessions side by side hand out the same process ids and close
    // tick counts, so the directory's creation is what makes a name ours.
    for (DWORD n = GetTickCount(), tries = 0; tries < 1000; ++n, ++tries) {
        const std::string path = "/tmp/" + stem + std::to_string(n);
        if (CreateDirectoryW(WideFromShiftJis(WindowsFormOf(path)).c_str(), nullptr))
            return path;
    }
    throw std::runtime_error("no free directory name for /tmp/" + stem);
}

std::string SampleGeneratorPath() {
    const std::string source = __FILE__;
    return source.substr(0, source.rfind("tests/wine/")) + "tools/make_sample_mailbox.py";
}

bool RunLinuxShell(const std::string& command, const std::string& markerStem) {
    const std::string marker = markerStem + ".done";
    std::wstring line =
        L"sh -c \"" + WideFromCodePage(command + " ; touch '" + marker + "'", CP_UTF8) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(L"Z:\\bin\\sh", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    const std::string markerWindows = WindowsFormOf(marker);
    for (int waited = 0; waited < 600 && !FileExists(markerWindows); ++waited)
        Sleep(100);
    const bool done = FileExists(markerWindows);
    DeleteFileW(WideFromShiftJis(markerWindows).c_str());
    return done;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(WideFromShiftJis(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveDirectoryTree(const std::wstring& path) {
    std::wstring from = path;
    if (!from.empty() && from.back() == L'\\')
        from.pop_back();
    from += L'\0'; // the list of paths ends in an empty one
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&operation);
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileW(WideFromShiftJis(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    std::string bytes;
    char buffer[4096];
    DWORD count = 0;
    while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &count, nullptr) &&
           count > 0) {
        bytes.append(buffer, count);
    }
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(WideFromShiftJis(path).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string TestProgramDirectory() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring program(path, length);
    return ShiftJisFromWide(program.substr(0, program.find_last_of(L'\\') + 1));
}

bool SampleAccount::Generate(const std::string& name, int folders, int mails) {
    linuxRoot_ = NewTmpDirectory(name);
    directory_ = WindowsFormOf(linuxRoot_ + "/") + "予定表\\";
    // The UTF-8 spelling of the same directory for the Linux side.
    return RunLinuxShell("python3 '" + SampleGeneratorPath() + "' '" + LinuxDirectory() +
                             "' --mails " + std::to_string(mails) + " --folders " +
                             std::to_string(folders),
                         linuxRoot_);
}

void SampleAccount::Remove() {
    if (!linuxRoot_.empty())
        RunLinuxShell("rm -rf '" + linuxRoot_ + "'", linuxRoot_);
}

std::string SampleAccount::LinuxDirectory() const {
    return linuxRoot_ + "/\xE4\xBA\x88\xE5\xAE\x9A\xE8\xA1\xA8";
}

std::string SampleAccount::WithSlashes() const {
    return WithForwardSlashes(directory_);
}

std::string WithForwardSlashes(std::string path) {
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
        else if (path[i] == '\\')
            path[i] = '/';
    }
    return path;
}
