#include "host_options.h"

#include "text/shift_jis.h"
#include "text/win32/text_encoding.h"

namespace {

std::string WithTrailingBackslash(std::string directory) {
    if (!directory.empty() && !EndsWithCharacter(directory, '\\')) {
        directory += '\\';
    }
    return directory;
}

// The directory above `directory`, which ends in a backslash.
std::string ParentDirectory(const std::string& directory) {
    std::string withoutSeparator = directory.substr(0, directory.size() - 1);
    size_t separator = FindLastWhole(withoutSeparator, "\\");
    if (separator == std::string::npos) {
        return directory;
    }
    return withoutSeparator.substr(0, separator + 1);
}

bool TakeOption(const std::wstring& argument, const wchar_t* name, std::wstring& value) {
    std::wstring prefix = std::wstring(L"/") + name + L":";
    if (argument.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    value = argument.substr(prefix.size());
    return true;
}

} // namespace

bool ParseHostOptions(const std::vector<std::wstring>& arguments, HostOptions& options,
                      std::string& error) {
    for (const std::wstring& argument : arguments) {
        std::wstring value;
        if (TakeOption(argument, L"account", value)) {
            options.account = WithTrailingBackslash(ShiftJisFromWide(value));
        } else if (TakeOption(argument, L"mailbox", value)) {
            options.mailbox = WithTrailingBackslash(ShiftJisFromWide(value));
        } else if (TakeOption(argument, L"folder", value)) {
            options.folder = ShiftJisFromWide(value);
        } else if (TakeOption(argument, L"plugin", value)) {
            options.plugin = value;
        } else if (TakeOption(argument, L"log", value)) {
            options.logFile = value;
        } else if (!argument.empty() && argument[0] == L'/') {
            error = "unknown option " + ShiftJisFromWide(argument);
            return false;
        } else {
            options.actions.push_back(ShiftJisFromWide(argument));
        }
    }
    if (options.account.empty()) {
        error = "no /account: given";
        return false;
    }
    if (options.mailbox.empty()) {
        options.mailbox = ParentDirectory(options.account);
    }
    return true;
}
