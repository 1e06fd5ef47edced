#include "catalogue/win32/process_start.h"

#include "text/win32/text_encoding.h"

#include <vector>

UniqueKernelHandle StartProcess(const std::string& commandLine, const std::string& workDir,
                                STARTUPINFOW& startup, bool inheritHandles, DWORD creationFlags) {
    // CreateProcessW may write into the command line.
    const std::wstring wide = WideFromShiftJis(commandLine);
    std::vector<wchar_t> command(wide.begin(), wide.end());
    command.push_back(L'\0');
    const std::wstring directory = WideFromShiftJis(workDir);
    PROCESS_INFORMATION created{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, inheritHandles, creationFlags,
                        nullptr, directory.empty() ? nullptr : directory.c_str(), &startup,
                        &created))
        return UniqueKernelHandle();
    UniqueKernelHandle thread(created.hThread);
    return UniqueKernelHandle(created.hProcess);
}
