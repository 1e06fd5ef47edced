#include "mail_delivery.h"

#include "platform/win32/unique_handle.h"
#include "text/win32/text_encoding.h"

#include <windows.h>

namespace {

// The body's first line is "テスト" in ISO-2022-JP, as mail arrives.
std::string MailText(int number) {
    std::string n = std::to_string(number);
    return "From: sender@example.com\r\n"
           "To: user@example.com\r\n"
           "Subject: Delivered mail " +
           n +
           "\r\n"
           "Date: Mon, 1 Jan 2024 09:00:00 +0900\r\n"
           "Message-ID: <delivered" +
           n +
           "@example.com>\r\n"
           "MIME-Version: 1.0\r\n"
           "Content-Type: text/plain; charset=ISO-2022-JP\r\n"
           "\r\n"
           "\x1B$B%F%9%H\x1B(B " +
           n + "\r\n";
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(WideFromShiftJis(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteNewFile(const std::string& path, const std::string& content) {
    UniqueFileHandle file(CreateFileW(WideFromShiftJis(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        return false;
    }
    DWORD written = 0;
    const BOOL ok = WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()),
                              &written, nullptr);
    return ok && written == content.size();
}

} // namespace

std::vector<std::string> DeliverMails(const std::string& account, int count) {
    std::string inbox = account + "Inbox.box\\";
    CreateDirectoryW(WideFromShiftJis(inbox).c_str(), nullptr);
    std::vector<std::string> paths;
    int number = 1;
    while (static_cast<int>(paths.size()) < count) {
        std::string path = inbox + std::to_string(number) + ".alm";
        if (!FileExists(path)) {
            if (!WriteNewFile(path, MailText(number))) {
                break;
            }
            paths.push_back(path);
        }
        ++number;
    }
    return paths;
}
