// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The container, its inner button and the information message.
#include "win32/TranslationInfoButton.h"

#include "look/Texts.h"
#include "win32/Messages.h"
#include "win32/Text.h"

namespace win32 {

TTranslationInfoButton::TTranslationInfoButton(HWND parent, const look::Rect &bounds, HFONT font) {
    CreateHandle(L"QuintaraTranslationInfo", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                 WS_EX_CONTROLPARENT, parent, bounds);
    FInnerButton = CreateControl(L"BUTTON", FromUtf8(look::TranslationInfoCaption),
                                 BS_PUSHBUTTON | WS_TABSTOP, Handle(), {0, 0, 1, 1}, 1, font);
    ResizeButton();
}

void TTranslationInfoButton::ResizeButton() {
    const SIZE size = ClientSize(Handle());
    Place(FInnerButton, {0, 0, size.cx, size.cy});
}

void TTranslationInfoButton::ShowTranslationInfo() {
    HWND form = GetParent(Handle());
    // Only directly on a form: a top-level window of the program.
    if (form == nullptr || (GetWindowLongW(form, GWL_STYLE) & WS_CHILD) != 0)
        return;
    ShowMessage(Handle(), FromUtf8(look::TranslationInfoText()), WindowText(form),
                MsgIcon::Information);
}

LRESULT TTranslationInfoButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (FInnerButton != nullptr)
            ResizeButton();
        return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == FInnerButton && HIWORD(wParam) == BN_CLICKED)
            ShowTranslationInfo();
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace win32
