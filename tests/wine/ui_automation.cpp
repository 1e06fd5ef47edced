#include "ui_automation.h"

#include "text/win32/text_encoding.h"

#include <algorithm>

namespace ui {

namespace {

const DWORD PollIntervalMs = 50;
const UINT MessageTimeoutMs = 5000;

struct WindowQuery {
    DWORD processId;
    std::wstring caption;
    HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM context) {
    WindowQuery& query = *reinterpret_cast<WindowQuery*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == query.processId && IsWindowVisible(window) &&
        WindowText(window) == query.caption) {
        query.found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND top) {
    std::vector<HWND> children;
    EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring WithoutAmpersands(std::wstring text) {
    text.erase(std::remove(text.begin(), text.end(), L'&'), text.end());
    return text;
}

// The name a "TarnwickName" property carries: a global atom.
std::wstring ControlName(HWND control) {
    ATOM atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(control, L"TarnwickName")));
    if (atom == 0) {
        return std::wstring();
    }
    wchar_t name[256] = L"";
    GlobalGetAtomNameW(atom, name, 256);
    return name;
}

bool Click(HWND button) {
    if (!button || !IsWindowEnabled(button)) {
        return false;
    }
    int id = GetDlgCtrlID(button);
    return PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != FALSE;
}

std::wstring TemporaryFileName() {
    wchar_t directory[MAX_PATH] = L"";
    wchar_t name[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, directory);
    GetTempFileNameW(directory, L"out", 0, name);
    return name;
}

} // namespace

std::wstring ProgramDirectory() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path);
    return full.substr(0, full.find_last_of(L'\\') + 1);
}

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments)
    : outputFile_(TemporaryFileName()) {
    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    HANDLE output = CreateFileW(outputFile_.c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    PROCESS_INFORMATION info = {};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       nullptr, &startup, &info)) {
        process_ = info.hProcess;
        id_ = info.dwProcessId;
        CloseHandle(info.hThread);
    }
    CloseHandle(output);
}

ChildProcess::~ChildProcess() {
    if (process_) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, DefaultTimeoutMs);
        }
        CloseHandle(process_);
    }
    DeleteFileW(outputFile_.c_str());
}

std::optional<DWORD> ChildProcess::WaitForExit(DWORD timeoutMs) {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process_, &exitCode);
    return exitCode;
}

std::string ChildProcess::Output() const {
    HANDLE file = CreateFileW(outputFile_.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::string();
    }
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        content.append(buffer, read);
    }
    CloseHandle(file);
    return content;
}

HWND WaitForWindow(DWORD processId, const std::wstring& caption, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        WindowQuery query = {processId, caption, nullptr};
        EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&query));
        if (query.found) {
            return query.found;
        }
        Sleep(PollIntervalMs);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(PollIntervalMs);
    }
    return true;
}

// Asks the window itself, which also works for edit controls of another
// process whose text is not their caption.
std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, MessageTimeoutMs,
                             &length)) {
        return std::wstring();
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, MessageTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

std::vector<std::wstring> ControlTexts(HWND top) {
    std::vector<std::wstring> texts;
    for (HWND control : Descendants(top)) {
        texts.push_back(WindowText(control));
    }
    return texts;
}

HWND FindControlByName(HWND top, const std::string& name) {
    std::wstring wanted = WideFromShiftJis(name);
    for (HWND control : Descendants(top)) {
        if (ControlName(control) == wanted) {
            return control;
        }
    }
    return nullptr;
}

bool PressButton(HWND top, const std::wstring& caption) {
    for (HWND control : Descendants(top)) {
        if (ClassName(control) != L"Button") {
            continue;
        }
        std::wstring text = WindowText(control);
        if (text == caption || WithoutAmpersands(text) == caption) {
            return Click(control);
        }
    }
    return false;
}

bool PressButtonById(HWND top, int id) {
    for (HWND control : Descendants(top)) {
        if (GetDlgCtrlID(control) == id) {
            return Click(control);
        }
    }
    return false;
}

void PickMenuCommand(HWND top, int commandId) {
    PostMessageW(top, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

bool PickMenuCommandWithShift(HWND top, int commandId) {
    return SendWithShift(top, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

bool SendWithShift(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD windowThread = GetWindowThreadProcessId(window, nullptr);
    if (!AttachThreadInput(GetCurrentThreadId(), windowThread, TRUE))
        return false;
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] |= 0x80;
    SetKeyboardState(keys);
    SendMessageW(window, message, wParam, lParam);
    keys[VK_SHIFT] &= 0x7F;
    SetKeyboardState(keys);
    AttachThreadInput(GetCurrentThreadId(), windowThread, FALSE);
    return true;
}

// The structure is passed by address, so it has to live in the window's
// own process.
std::optional<CHARFORMAT2W> CharacterFormat(HWND richEdit, int character) {
    DWORD processId = 0;
    GetWindowThreadProcessId(richEdit, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process == nullptr)
        return std::nullopt;
    std::optional<CHARFORMAT2W> result;
    CHARFORMAT2W format = {};
    format.cbSize = sizeof format;
    void* remote = VirtualAllocEx(process, nullptr, sizeof format, MEM_COMMIT, PAGE_READWRITE);
    if (remote != nullptr && WriteProcessMemory(process, remote, &format, sizeof format, nullptr)) {
        SendMessageW(richEdit, EM_SETSEL, character, character + 1);
        SendMessageW(richEdit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(remote));
        if (ReadProcessMemory(process, remote, &format, sizeof format, nullptr))
            result = format;
    }
    if (remote != nullptr)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return result;
}

void CloseWindow(HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
}

} // namespace ui
