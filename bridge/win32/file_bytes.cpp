#include "file_bytes.h"

#include "platform/win32/unique_handle.h"
#include "text/win32/text_encoding.h"

#include <stdexcept>
#include <windows.h>

std::string ReadFileBytes(const std::string& path) {
    UniqueFileHandle file(CreateFileW(WideFromShiftJis(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        throw std::runtime_error("cannot open " + path);
    }
    std::string bytes;
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &count, nullptr) && count > 0) {
        bytes.append(buffer, count);
    }
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    UniqueFileHandle file(CreateFileW(WideFromShiftJis(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.IsValid() ||
        !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        throw std::runtime_error("cannot write " + path);
    }
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WideFromShiftJis(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
