#include "text/win32/text_encoding.h"

#include <windows.h>

namespace {

const unsigned kShiftJis = 932;

} // namespace

std::wstring WideFromCodePage(const std::string& text, unsigned codePage) {
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], length);
    return wide;
}

std::string CodePageFromWide(const std::wstring& text, unsigned codePage) {
    if (text.empty())
        return std::string();
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, &bytes[0], length, nullptr, nullptr);
    return bytes;
}

std::wstring WideFromShiftJis(const std::string& text) {
    return WideFromCodePage(text, kShiftJis);
}

std::string ShiftJisFromWide(const std::wstring& text) {
    return CodePageFromWide(text, kShiftJis);
}
