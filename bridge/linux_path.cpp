#include "linux_path.h"

#include "text/shift_jis.h"

#include <cctype>

bool IsWindowsAbsolutePath(const std::string& path) {
    return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
           path[1] == ':' && (path[2] == '\\' || path[2] == '/');
}

std::string PathBelowDrive(const std::string& windowsPath) {
    std::string below;
    for (size_t i = 3; i < windowsPath.size(); ++i) {
        const char c = windowsPath[i];
        if (IsLeadByte(c) && i + 1 < windowsPath.size()) {
            below.append(windowsPath, i, 2);
            ++i;
        } else {
            below += c == '\\' ? '/' : c;
        }
    }
    return below;
}
