// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The band's painting with GDI: the shared step table, a pen outline, transparent text.
#include "win32/GradientControl.h"

#include "look/Gradient.h"
#include "look/Layout.h"
#include "win32/Graphics.h"

#include <cstdlib>

namespace win32 {

namespace {
template <class T> bool AssignIfChanged(T &field, const T &value) {
    if (field == value)
        return false;
    field = value;
    return true;
}
} // namespace

TGradientControl::TGradientControl(HWND parent, const look::Rect &bounds) {
    CreateHandle(L"QuintaraGradient", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, parent,
                 bounds);
}

void TGradientControl::RepaintNow() {
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

void TGradientControl::setBorderWidth(int width) {
    if (AssignIfChanged(FBorderWidth, width))
        RepaintNow();
}
void TGradientControl::setBorderColor(look::TColor color) {
    if (AssignIfChanged(FBorderColor, color))
        RepaintNow();
}
void TGradientControl::setColor1(look::TColor color) {
    if (AssignIfChanged(FColor1, static_cast<look::TColor>(ColorToRGB(color))))
        RepaintNow();
}
void TGradientControl::setColor2(look::TColor color) {
    if (AssignIfChanged(FColor2, static_cast<look::TColor>(ColorToRGB(color))))
        RepaintNow();
}
void TGradientControl::setCaption(const std::wstring &caption) {
    if (AssignIfChanged(FCaption, caption))
        RepaintNow();
}
void TGradientControl::setGradientDirection(TGradientDirection direction) {
    if (AssignIfChanged(FDirection, direction))
        RepaintNow();
}
void TGradientControl::setFontColor(look::TColor color) {
    if (AssignIfChanged(FFontColor, color))
        RepaintNow();
}
void TGradientControl::setFontName(const std::wstring &name) {
    if (AssignIfChanged(FFontName, name))
        RepaintNow();
}
void TGradientControl::setFontSize(int size) {
    if (AssignIfChanged(FFontSize, size))
        RepaintNow();
}

void TGradientControl::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    const int w = client.right;
    const int h = client.bottom;
    const bool horizontal = FDirection == gdHorizontal;
    const auto steps = look::GradientSteps(FColor1, FColor2, horizontal ? w : h);
    // Line N lies outside the band and is clipped.
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int at = static_cast<int>(i);
        const RECT line = horizontal ? RECT{at, 0, at + 1, h} : RECT{0, at, w, at + 1};
        FillRect(dc, &line, SolidBrush(steps[i]));
    }
    if (FBorderWidth > 0) {
        HPEN pen = CreatePen(PS_SOLID, FBorderWidth, ColorToRGB(FBorderColor));
        const HGDIOBJ old = SelectObject(dc, pen);
        const POINT path[] = {{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}, {0, 0}};
        Polyline(dc, path, 5);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    if (!FFontName.empty())
        FDrawFace = FFontName;
    if (!FCaption.empty()) {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        const int points = FFontSize != 0 ? FFontSize : look::DefaultFontPoints;
        const int pixels = MulDiv(std::abs(points), dpi, 72);
        const HGDIOBJ old = SelectObject(dc, DesignFont(FDrawFace.c_str(), pixels));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(FFontColor));
        const SIZE size = TextExtent(dc, FCaption);
        TextOutW(dc, look::BandCaptionLeft, look::BandCaptionTop(h, size.cy), FCaption.c_str(),
                 static_cast<int>(FCaption.size()));
        SelectObject(dc, old);
    }
}

LRESULT TGradientControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT painted = 0;
    if (HandlePaint(message, painted))
        return painted;
    return Default(message, wParam, lParam);
}

} // namespace win32
