// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The panel paints its colour (and outline) and passes its children's notifications on.
#include "win32/Panel.h"

#include "win32/Graphics.h"

namespace win32 {

namespace {
constexpr DWORD PanelStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
}

TPanel::TPanel(HWND parent, const look::Rect &bounds, look::TColor color)
    : FColor(color), FPen(color), FHasPen(false) {
    CreateHandle(L"QuintaraPanel", 0, PanelStyle, WS_EX_CONTROLPARENT, parent, bounds);
}

TPanel::TPanel(HWND parent, const look::Rect &bounds, look::TColor brush, look::TColor pen)
    : FColor(brush), FPen(pen), FHasPen(true) {
    CreateHandle(L"QuintaraPanel", 0, PanelStyle, WS_EX_CONTROLPARENT, parent, bounds);
}

void TPanel::Paint(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, SolidBrush(FHasPen ? FPen : FColor));
    if (FHasPen && r.right > 2 && r.bottom > 2) {
        RECT inner{1, 1, r.right - 1, r.bottom - 1};
        FillRect(dc, &inner, SolidBrush(FColor));
    }
}

LRESULT TPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT forwarded = 0;
    if (ForwardToForm(Handle(), message, wParam, lParam, forwarded))
        return forwarded;
    LRESULT painted = 0;
    if (HandlePaint(message, painted))
        return painted;
    return Default(message, wParam, lParam);
}

} // namespace win32
