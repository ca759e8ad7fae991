// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TFlatButton: a self-painted flat push button, grey with a dotted frame while focused, light
// orange while Down; it clicks on a mouse click and on Space or Enter.
#pragma once

#include "look/Colors.h"
#include "win32/Window.h"

#include <functional>
#include <string>

namespace win32 {

class TFlatButton : public TWindow {
  public:
    TFlatButton(HWND parent, const look::Rect &bounds);

    const std::wstring &Caption() const { return FCaption; }
    void setCaption(const std::wstring &caption);
    bool Down() const { return FDown; }
    void setDown(bool down);
    bool ClickFocus() const { return FClickFocus; }
    void setClickFocus(bool clickFocus) { FClickFocus = clickFocus; }
    // The fill while neither down nor focused: the parent's colour while ParentColor is set.
    look::TColor Color() const;
    void setColor(look::TColor color);
    void setParentColor(bool parentColor);
    void setTabStop(bool tabStop);

    std::function<void()> OnClick;
    // Called first on every key-down; a handler that sets the key to 0 stops its click.
    std::function<void(WPARAM &key)> OnKeyDown;

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

  private:
    void RepaintNow();
    void MouseDown();
    void Click();

    std::wstring FCaption;
    bool FDown = false;
    bool FClickFocus = false;
    look::TColor FColor = look::clWindow;
    bool FParentColor = true;
    bool FPressed = false;
};

} // namespace win32
