// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252 <-> UTF-16 through UTF-8 and the runtime's code page table, so both front ends
// map every byte alike.
#include "win32/Text.h"

#include "runtime/Cp1252.h"

namespace win32 {

std::wstring FromUtf8(std::string_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string ToUtf8(std::wstring_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::wstring FromCp1252(const std::string &text) {
    return FromUtf8(runtime::Cp1252ToUtf8(text));
}

std::string ToCp1252(const std::wstring &text) {
    return runtime::Utf8ToCp1252(ToUtf8(text));
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void SetWindowTextIfChanged(HWND window, const std::wstring &text) {
    if (WindowText(window) != text)
        SetWindowTextW(window, text.c_str());
}

} // namespace win32
