// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TGradientControl: a band filled with a linear colour gradient, an optional outline and an
// optional line of text at its left. Each setter repaints at once when the value changes.
#pragma once

#include "look/Colors.h"
#include "win32/Window.h"

#include <string>

namespace win32 {

enum TGradientDirection { gdHorizontal = 0, gdVertical = 1 };

class TGradientControl : public TWindow {
  public:
    TGradientControl(HWND parent, const look::Rect &bounds);

    int BorderWidth() const { return FBorderWidth; }
    void setBorderWidth(int width);
    look::TColor BorderColor() const { return FBorderColor; }
    void setBorderColor(look::TColor color);
    // Stored as plain RGB: a system-colour reference is resolved when set.
    look::TColor Color1() const { return FColor1; }
    void setColor1(look::TColor color);
    look::TColor Color2() const { return FColor2; }
    void setColor2(look::TColor color);
    const std::wstring &Caption() const { return FCaption; }
    void setCaption(const std::wstring &caption);
    TGradientDirection GradientDirection() const { return FDirection; }
    void setGradientDirection(TGradientDirection direction);
    look::TColor FontColor() const { return FFontColor; }
    void setFontColor(look::TColor color);
    const std::wstring &FontName() const { return FFontName; }
    void setFontName(const std::wstring &name);
    // Points; 0 is the drawing font's default size.
    int FontSize() const { return FFontSize; }
    void setFontSize(int size);

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

  private:
    void RepaintNow();

    int FBorderWidth = 0;
    look::TColor FBorderColor = look::clBlack;
    look::TColor FColor1 = look::clBlack;
    look::TColor FColor2 = look::clWhite;
    std::wstring FCaption;
    TGradientDirection FDirection = gdHorizontal;
    look::TColor FFontColor = look::clBlack;
    std::wstring FFontName;
    int FFontSize = 0;
    // The face carries over from one paint to the next while FontName is empty.
    std::wstring FDrawFace = L"Tahoma";
};

} // namespace win32
