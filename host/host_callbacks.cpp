// The functions the host exports to its plug-ins (see Almail.def). Six do
// real work; the rest answer 0 so a plug-in that binds them all can load.
#include "host_context.h"
#include "jis_to_sjis.h"

#include <windows.h>

#include <cstring>
#include <string>

extern "C" {

int WINAPI APARegistCallback(MenuCallback callback, int) {
    HostContext& host = Host();
    int commandId = host.nextCommandId++;
    host.callbacks[commandId] = callback;
    host.log.Write("APARegistCallback(1) -> " + std::to_string(commandId));
    return commandId;
}

const char* WINAPI APAGetMailbox() {
    return Host().options.mailbox.c_str();
}

const char* WINAPI APAGetAccount(HWND) {
    return Host().options.account.c_str();
}

const char* WINAPI APAFolderGetCurrentFolder(HWND) {
    return Host().options.folder.c_str();
}

int WINAPI APAFolderOpenMail(HWND window, const char* path, int mode) {
    HostContext& host = Host();
    host.log.Write("APAFolderOpenMail(" + host.windows.Label(window) + ", " + path + ", " +
                   std::to_string(mode) + ")");
    return 1;
}

int WINAPI APAJisToSjis(char* destination, const char* source, int length) {
    if (!destination) {
        return 0;
    }
    std::string converted =
        source && length > 0 ? JisToSjis(std::string_view(source, length)) : std::string();
    std::memcpy(destination, converted.data(), converted.size());
    destination[converted.size()] = '\0';
    return static_cast<int>(converted.size());
}

int WINAPI APASetTimer(LONG_PTR, LONG_PTR, LONG_PTR) {
    return 0;
}
int WINAPI APAKillTimer(LONG_PTR) {
    return 0;
}
int WINAPI APAImportFile(LONG_PTR, LONG_PTR, LONG_PTR) {
    return 0;
}
int WINAPI APAMoveMail(LONG_PTR, LONG_PTR) {
    return 0;
}
int WINAPI APAMarkMail(LONG_PTR, LONG_PTR, LONG_PTR) {
    return 0;
}
int WINAPI APADeleteMail(LONG_PTR) {
    return 0;
}
int WINAPI APAFolderGetCurrentEntry(LONG_PTR) {
    return 0;
}
int WINAPI APAFolderGetSelectEntry(LONG_PTR, LONG_PTR) {
    return 0;
}
int WINAPI APASendGetText(LONG_PTR, LONG_PTR) {
    return 0;
}
int WINAPI APASendGetHeader(LONG_PTR) {
    return 0;
}
int WINAPI APASendSetText(LONG_PTR, LONG_PTR) {
    return 0;
}
int WINAPI APASendSetHeader(LONG_PTR, LONG_PTR) {
    return 0;
}
int WINAPI APAViewGetText(LONG_PTR) {
    return 0;
}
int WINAPI APAViewGetHeader(LONG_PTR) {
    return 0;
}
int WINAPI APAViewSetText(LONG_PTR, LONG_PTR) {
    return 0;
}
int WINAPI APAViewGetPath(LONG_PTR) {
    return 0;
}
int WINAPI APASjisToJis(LONG_PTR, LONG_PTR, LONG_PTR) {
    return 0;
}

} // extern "C"
