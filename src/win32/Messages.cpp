// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MessageBoxW and MessageBeep, each noted in the event log when one is asked for.
#include "win32/Messages.h"

#include "win32/Text.h"

#include <cstdio>
#include <cstdlib>

namespace win32 {

namespace {

// Appends one line to the event log, if there is one; line breaks inside become "\n".
void Note(const std::wstring &line) {
    const wchar_t *path = _wgetenv(L"QUINTARA_EVENT_LOG");
    if (path == nullptr || *path == L'\0')
        return;
    std::wstring flat;
    for (wchar_t c : line) {
        if (c == L'\r')
            continue;
        if (c == L'\n')
            flat += L"\\n";
        else
            flat += c;
    }
    if (FILE *file = _wfopen(path, L"ab")) {
        const std::string utf8 = ToUtf8(flat) + "\n";
        std::fwrite(utf8.data(), 1, utf8.size(), file);
        std::fclose(file);
    }
}

} // namespace

void ShowMessage(HWND owner, const std::wstring &text, const std::wstring &caption, MsgIcon icon) {
    const bool error = icon == MsgIcon::Error;
    Note(std::wstring(L"message ") + (error ? L"error " : L"information ") + caption + L": " +
         text);
    MessageBoxW(owner, text.c_str(), caption.c_str(),
                static_cast<UINT>(MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION)));
}

void Beep() {
    Note(L"beep");
    MessageBeep(0);
}

} // namespace win32
