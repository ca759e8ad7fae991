// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Modal loops and the dialog keyboard over plain windows.
#include "win32/Form.h"

namespace win32 {

namespace {

bool IsPushButton(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpiW(name, L"BUTTON") != 0)
        return false;
    const LONG kind = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON;
}

} // namespace

bool Pump(TForm &form, MSG &msg) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0)
        return false;
    const bool own = msg.hwnd == form.Handle() || IsChild(form.Handle(), msg.hwnd);
    if (own && form.PreTranslate(msg))
        return true;
    if (!IsDialogMessageW(form.Handle(), &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void TForm::ShowModal(HWND owner) {
    FClosed = false;
    if (owner != nullptr)
        EnableWindow(owner, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    MSG msg{};
    while (!FClosed) {
        if (!Pump(*this, msg)) {
            // WM_QUIT belongs to the outer loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
    }
    // The owner first, so that it takes the activation back when this window goes.
    if (owner != nullptr)
        EnableWindow(owner, TRUE);
    ShowWindow(Handle(), SW_HIDE);
}

void TForm::Close() {
    FClosed = true;
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != nullptr && IsChild(Handle(), focus))
                FFocused = focus;
        } else {
            HWND target = FFocused != nullptr && IsWindow(FFocused) ? FFocused : FirstFocus();
            if (target != nullptr)
                SetFocus(target);
            FormActivate();
        }
        return 0;
    case WM_NEXTDLGCTL: {
        // A label's accelerator: the focus goes to the label, then on to the control after it.
        HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                     : GetNextDlgTabItem(Handle(), GetFocus(), wParam != 0);
        if (target != nullptr) {
            // An edit box reached from the keyboard has its whole text selected.
            if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                SendMessageW(target, EM_SETSEL, 0, -1);
            SetFocus(target);
        }
        return 0;
    }
    case DM_GETDEFID: {
        HWND focus = GetFocus();
        HWND button = focus != nullptr && IsChild(Handle(), focus) && IsPushButton(focus)
                          ? focus
                          : DefaultButton();
        if (button == nullptr)
            return 0;
        return MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID);
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
            Cancel();
            return 0;
        }
        break;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

int RunMessageLoop(TForm &mainWindow) {
    MSG msg{};
    while (Pump(mainWindow, msg)) {
    }
    return static_cast<int>(msg.wParam);
}

} // namespace win32
