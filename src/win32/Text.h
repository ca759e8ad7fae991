// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one conversion between the program's Windows-1252 strings and the UTF-16 text of the W
// functions, and the window-text helpers built on it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);
std::wstring FromCp1252(const std::string &text);
// Characters outside the code page become '?'.
std::string ToCp1252(const std::wstring &text);

std::wstring WindowText(HWND window);
void SetWindowTextIfChanged(HWND window, const std::wstring &text);

} // namespace win32
