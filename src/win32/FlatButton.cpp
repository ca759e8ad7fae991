// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Painting, keys, mouse and focus of the flat button over GDI.
#include "win32/FlatButton.h"

#include "look/Layout.h"
#include "win32/Graphics.h"
#include "win32/Panel.h"

#include <windowsx.h>

namespace win32 {

TFlatButton::TFlatButton(HWND parent, const look::Rect &bounds) {
    // No CS_DBLCLKS: the second press of a double click is a press like any other.
    CreateHandle(L"QuintaraFlatButton", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, parent,
                 bounds);
    SendMessageW(Handle(), WM_SETFONT, static_cast<WPARAM>(SendMessageW(parent, WM_GETFONT, 0, 0)),
                 FALSE);
}

void TFlatButton::RepaintNow() {
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

void TFlatButton::setCaption(const std::wstring &caption) {
    if (caption == FCaption)
        return;
    FCaption = caption;
    SetWindowTextW(Handle(), caption.c_str());
    RepaintNow();
}

void TFlatButton::setDown(bool down) {
    if (down == FDown)
        return;
    FDown = down;
    RepaintNow();
}

look::TColor TFlatButton::Color() const {
    // The program's buttons that take their parent's colour sit on panels.
    if (FParentColor) {
        HWND parent = GetParent(Handle());
        wchar_t name[32] = {};
        GetClassNameW(parent, name, 32);
        if (std::wstring(name) == L"QuintaraPanel")
            return reinterpret_cast<TPanel *>(GetWindowLongPtrW(parent, GWLP_USERDATA))->Color();
    }
    return FColor;
}

void TFlatButton::setColor(look::TColor color) {
    FColor = color;
    FParentColor = false;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TFlatButton::setParentColor(bool parentColor) {
    FParentColor = parentColor;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TFlatButton::setTabStop(bool tabStop) {
    LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    style = tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    SetWindowLongW(Handle(), GWL_STYLE, style);
}

void TFlatButton::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    const int w = client.right;
    const int h = client.bottom;
    const bool focused = GetFocus() == Handle();
    const look::TColor fill =
        static_cast<look::TColor>(ColorToRGB(look::FlatButtonFill(FDown, focused, Color())));
    const COLORREF contrast = look::ContrastColor(fill);

    HPEN pen = CreatePen(PS_SOLID, 1, contrast);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const HGDIOBJ oldBrush = SelectObject(dc, SolidBrush(fill));
    SetROP2(dc, R2_COPYPEN);
    Rectangle(dc, 0, 0, w, h);

    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
    SetTextColor(dc, contrast);
    SetBkColor(dc, fill);
    SetBkMode(dc, OPAQUE);
    const SIZE size = TextExtent(dc, FCaption);
    const look::Point at = look::CenteredCaption(w, h, size.cx, size.cy);
    // Literal text: an ampersand marks no accelerator.
    TextOutW(dc, at.x, at.y, FCaption.c_str(), static_cast<int>(FCaption.size()));

    if (focused) {
        const RECT frame{look::FocusInset, look::FocusInset, w - look::FocusInset - 1,
                         h - look::FocusInset - 1};
        DrawFocusRect(dc, &frame);
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void TFlatButton::MouseDown() {
    if (!FClickFocus)
        return;
    // Only when it and every window it sits in are visible and enabled.
    for (HWND w = Handle(); w != nullptr; w = GetParent(w)) {
        if (!IsWindowVisible(w) || !IsWindowEnabled(w))
            return;
        if (!(GetWindowLongW(w, GWL_STYLE) & WS_CHILD))
            break;
    }
    SetFocus(Handle());
}

void TFlatButton::Click() {
    if (OnClick)
        OnClick();
}

LRESULT TFlatButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT painted = 0;
    if (HandlePaint(message, painted))
        return painted;
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Default(message, wParam, lParam);
        RepaintNow();
        return 0;
    case WM_GETDLGCODE:
        // Enter reaches the button instead of the window's default button.
        if (lParam != 0 && reinterpret_cast<MSG *>(lParam)->message == WM_KEYDOWN &&
            reinterpret_cast<MSG *>(lParam)->wParam == VK_RETURN)
            return DLGC_WANTMESSAGE;
        return 0;
    case WM_LBUTTONDOWN:
        MouseDown();
        FPressed = true;
        SetCapture(Handle());
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        MouseDown();
        return 0;
    case WM_LBUTTONUP: {
        const bool pressed = FPressed;
        FPressed = false;
        if (GetCapture() == Handle())
            ReleaseCapture();
        RECT client;
        GetClientRect(Handle(), &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (pressed && PtInRect(&client, at))
            Click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        FPressed = false;
        return 0;
    case WM_KEYDOWN: {
        WPARAM key = wParam;
        if (OnKeyDown)
            OnKeyDown(key);
        if (key == VK_SPACE || key == VK_RETURN)
            Click();
        return Default(message, wParam, lParam);
    }
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace win32
