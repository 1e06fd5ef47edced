#include "plugin/win32/win32_host_api.h"

#include "plugin/host_callback_names.h"

#include <map>
#include <vector>

namespace {

template <typename Function> Function As(FARPROC address) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

std::string Copied(const char* text) {
    return text == nullptr ? std::string() : text;
}

} // namespace

Win32HostApi::Win32HostApi(MenuCallback indexing, MenuCallback search)
    : indexing_(indexing), search_(search) {}

bool Win32HostApi::Bind() {
    if (module_ != nullptr)
        return true;
    HMODULE module = LoadLibraryW(L"Almail.exe");
    if (module == nullptr)
        return false;
    std::map<std::string, FARPROC> found;
    for (const char* name : kHostCallbackNames) {
        FARPROC address = GetProcAddress(module, name);
        if (address == nullptr) {
            FreeLibrary(module);
            return false;
        }
        found[name] = address;
    }
    module_ = module;
    registCallback_ = As<RegistCallbackFunction>(found[kRegistCallbackName]);
    getAccount_ = As<PathOfWindowFunction>(found[kGetAccountName]);
    getMailbox_ = As<GetMailboxFunction>(found[kGetMailboxName]);
    folderGetCurrentFolder_ = As<PathOfWindowFunction>(found[kFolderGetCurrentFolderName]);
    folderOpenMail_ = As<FolderOpenMailFunction>(found[kFolderOpenMailName]);
    jisToSjis_ = As<JisToSjisFunction>(found[kJisToSjisName]);
    return true;
}

std::string Win32HostApi::GetAccount(WindowHandle window) {
    return getAccount_ ? Copied(getAccount_(static_cast<HWND>(window))) : std::string();
}

std::string Win32HostApi::GetMailbox() {
    return getMailbox_ ? Copied(getMailbox_()) : std::string();
}

std::string Win32HostApi::FolderGetCurrentFolder(WindowHandle window) {
    return folderGetCurrentFolder_ ? Copied(folderGetCurrentFolder_(static_cast<HWND>(window)))
                                   : std::string();
}

void Win32HostApi::FolderOpenMail(WindowHandle window, const std::string& mailPath) {
    if (folderOpenMail_)
        folderOpenMail_(static_cast<HWND>(window), mailPath.c_str(), 1);
}

std::string Win32HostApi::JisToSjis(const std::string& jisText) {
    if (!jisToSjis_)
        return jisText;
    // The host's result is never longer than its input.
    std::vector<char> converted(jisText.size() + 1, '\0');
    jisToSjis_(converted.data(), jisText.c_str(), static_cast<int>(jisText.size()));
    converted.back() = '\0';
    return converted.data();
}

int Win32HostApi::RegistCallback(MenuCommand command) {
    if (!registCallback_)
        return 0;
    return registCallback_(command == MenuCommand::Indexing ? indexing_ : search_, 1);
}
