// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The integer edit box as a subclassed EDIT control over the shared text rules.
#include "win32/IntegerEdit.h"

#include "look/IntegerText.h"
#include "win32/Guarded.h"
#include "win32/Text.h"

#include <commctrl.h>

namespace win32 {

bool TIntegerEdit::SelectAllPending = false;

TIntegerEdit::TIntegerEdit(HWND parent, const look::Rect &bounds, HFONT font) {
    FHandle = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_AUTOHSCROLL,
                              bounds.left, bounds.top, bounds.width, bounds.height, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowSubclass(FHandle, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

TIntegerEdit::~TIntegerEdit() {
    RemoveWindowSubclass(FHandle, SubclassProc, 1);
    DestroyWindow(FHandle);
}

void TIntegerEdit::setMaxLength(int length) {
    SendMessageW(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TIntegerEdit::WriteText(const std::string &text) {
    SetWindowTextIfChanged(FHandle, FromCp1252(text));
}

void TIntegerEdit::Change() {
    // A correcting write changes the text again and so comes back here until it stands.
    if (auto corrected = look::IntegerEditCorrection(ToCp1252(WindowText(FHandle)), Min, Max))
        WriteText(*corrected);
}

void TIntegerEdit::KeyDown(WPARAM key) {
    SelectAllPending = false;
    if (key != VK_UP && key != VK_DOWN)
        return;
    const look::IntegerStep step =
        look::IntegerEditStep(ToCp1252(WindowText(FHandle)), key == VK_UP, Min, Max);
    if (!step.valid) {
        WriteText({});
        return;
    }
    WriteText(step.stepped);
    if (step.bounded)
        WriteText(*step.bounded);
    SelectAllPending = true;
}

LRESULT TIntegerEdit::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR:
        // Letters, blanks, signs and control characters (the clipboard keys among them)
        // never reach the edit control.
        if (!look::IntegerEditAccepts(static_cast<char32_t>(wParam)))
            return 0;
        break;
    case WM_KEYDOWN:
        KeyDown(wParam);
        break;
    case WM_KEYUP:
        if (SelectAllPending)
            SendMessageW(FHandle, EM_SETSEL, 0, -1);
        break;
    default:
        break;
    }
    return DefSubclassProc(FHandle, message, wParam, lParam);
}

LRESULT CALLBACK TIntegerEdit::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR data) {
    LRESULT result = 0;
    if (!Guarded([&] {
            result = reinterpret_cast<TIntegerEdit *>(data)->Message(message, wParam, lParam);
        }))
        result = DefSubclassProc(window, message, wParam, lParam);
    return result;
}

} // namespace win32
