#include "platform/win32/text_encoding.h"

#include <windows.h>

namespace {
const UINT kShiftJis = 932;
}

std::wstring WideFromShiftJis(const std::string& text) {
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kShiftJis, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kShiftJis, 0, text.data(), size, &wide[0], length);
    return wide;
}

std::string ShiftJisFromWide(const std::wstring& text) {
    if (text.empty())
        return std::string();
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(kShiftJis, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kShiftJis, 0, text.data(), size, &narrow[0], length, nullptr, nullptr);
    return narrow;
}
