// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TTranslationInfoButton: a container that a standard push button always fills; a click
// tells, in a message box captioned like the form it sits on, that the texts are a
// translation.
#pragma once

#include "win32/Window.h"

namespace win32 {

class TTranslationInfoButton : public TWindow {
  public:
    TTranslationInfoButton(HWND parent, const look::Rect &bounds, HFONT font);

    HWND InnerButton() const { return FInnerButton; }
    void ResizeButton();
    void ShowTranslationInfo();

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    HWND FInnerButton = nullptr;
};

} // namespace win32
