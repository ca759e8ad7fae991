// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes and the beep, in one place so that a test can watch them: with
// QUINTARA_EVENT_LOG naming a file, each beep and each message box is also written to it as a
// line of UTF-8 ("beep", or "message error|information <caption>: <text>").
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

enum class MsgIcon { Error, Information };

// Blocks until the player closes the box; owner may be null.
void ShowMessage(HWND owner, const std::wstring &text, const std::wstring &caption, MsgIcon icon);
// The system's default beep (MessageBeep with type 0).
void Beep();

} // namespace win32
