// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TPanel: a panel without bevel in a colour of its own that holds controls, and, with a pen,
// a shape: a filled rectangle with a one-pixel outline (the lines and frames of the windows).
#pragma once

#include "look/Colors.h"
#include "win32/Window.h"

namespace win32 {

class TPanel : public TWindow {
  public:
    TPanel(HWND parent, const look::Rect &bounds, look::TColor color);
    // A shape: brush and pen of their own colours.
    TPanel(HWND parent, const look::Rect &bounds, look::TColor brush, look::TColor pen);

    look::TColor Color() const { return FColor; }

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

  private:
    look::TColor FColor;
    look::TColor FPen;
    bool FHasPen;
};

} // namespace win32
