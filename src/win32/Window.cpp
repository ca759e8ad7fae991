// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Class registration, the guarded window procedure and control creation.
#include "win32/Window.h"

#include "win32/Graphics.h"
#include "win32/Guarded.h"
#include "win32/Text.h"

#include <set>

namespace win32 {

TWindow::~TWindow() {
    if (FHandle != nullptr) {
        SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
        DestroyWindow(FHandle);
    }
}

void TWindow::CreateHandle(const wchar_t *className, UINT classStyle, DWORD style, DWORD exStyle,
                           HWND parent, const look::Rect &bounds, const std::wstring &text) {
    static std::set<std::wstring> registered;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (registered.insert(className).second) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = classStyle;
        wc.lpfnWndProc = StaticProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        wc.lpszClassName = className;
        RegisterClassExW(&wc);
    }
    CreateWindowExW(exStyle, className, text.c_str(), style, bounds.left, bounds.top, bounds.width,
                    bounds.height, parent, nullptr, instance, this);
}

LRESULT TWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT TWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFONT) {
        FFont = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(FHandle, nullptr, TRUE);
        return 0;
    }
    if (message == WM_GETFONT)
        return reinterpret_cast<LRESULT>(FFont);
    return DefWindowProcW(FHandle, message, wParam, lParam);
}

bool TWindow::HandlePaint(UINT message, LRESULT &result) {
    if (message == WM_ERASEBKGND) {
        result = 1;
        return true;
    }
    if (message != WM_PAINT)
        return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(FHandle, &ps);
    Paint(dc);
    EndPaint(FHandle, &ps);
    result = 0;
    return true;
}

LRESULT CALLBACK TWindow::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto *self =
            static_cast<TWindow *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->FHandle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<TWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->FHandle = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (!Guarded([&] { result = self->WndProc(message, wParam, lParam); }))
        result = 0;
    return result;
}

bool ForwardToForm(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        result = SendMessageW(GetAncestor(container, GA_ROOT), message, wParam, lParam);
        return true;
    default:
        return false;
    }
}

HWND CreateControl(const wchar_t *className, const std::wstring &text, DWORD style, HWND parent,
                   const look::Rect &bounds, int id, HFONT font) {
    HWND control = CreateWindowExW(
        0, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, bounds.left,
        bounds.top, bounds.width, bounds.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

HWND CreateAutoLabel(const std::wstring &text, HWND parent, look::Point at, HFONT font,
                     DWORD extraStyle) {
    HWND label =
        CreateControl(L"STATIC", text, SS_LEFT | extraStyle, parent, {at.x, at.y, 1, 1}, -1, font);
    AutoSize(label);
    return label;
}

void AutoSize(HWND label) {
    HDC dc = GetDC(label);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    std::wstring text = WindowText(label);
    // The accelerator mark takes no room.
    if (!(GetWindowLongW(label, GWL_STYLE) & SS_NOPREFIX))
        for (std::size_t at = text.find(L'&'); at != std::wstring::npos;
             at = text.find(L'&', at + 1))
            text.erase(at, 1);
    const SIZE size = TextExtent(dc, text);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Place(HWND window, const look::Rect &bounds) {
    SetWindowPos(window, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

look::Rect CentredOuter(DWORD style, DWORD exStyle, int clientWidth, int clientHeight) {
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height};
}

} // namespace win32
