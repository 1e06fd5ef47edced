#include "platform/win32/rich_text_view.h"

#include "text/win32/text_encoding.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace {

const LPARAM kMostCharacters = 64 * 1024 * 1024;

struct StreamSource {
    const char* Data;
    size_t Size;
    size_t Read;
};

DWORD CALLBACK ReadSource(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    StreamSource& source = *reinterpret_cast<StreamSource*>(cookie);
    const size_t count = std::min(source.Size - source.Read, static_cast<size_t>(size));
    std::memcpy(buffer, source.Data + source.Read, count);
    source.Read += count;
    *read = static_cast<LONG>(count);
    return 0;
}

bool StreamIn(HWND edit, const void* data, size_t size, WPARAM format) {
    AllowLongText(edit);
    StreamSource source{static_cast<const char*>(data), size, 0};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = ReadSource;
    SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
    SendMessageW(edit, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    CHARRANGE start{0, 0};
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
    SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(edit, nullptr, TRUE);
    return stream.dwError == 0 && source.Read == source.Size;
}

} // namespace

bool LoadRichEdit() {
    static const HMODULE library = LoadLibraryW(L"riched20.dll");
    return library != nullptr;
}

void AllowLongText(HWND edit) {
    SendMessageW(edit, EM_EXLIMITTEXT, 0, kMostCharacters);
}

bool LoadRichText(HWND edit, const std::string& document) {
    return StreamIn(edit, document.data(), document.size(), SF_RTF);
}

bool LoadPlainText(HWND edit, const std::string& text) {
    const std::wstring wide = WideFromShiftJis(text);
    return StreamIn(edit, wide.data(), wide.size() * sizeof(wchar_t), SF_TEXT | SF_UNICODE);
}
