// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TPanelCaption: a 23-pixel title bar whose whole surface is a gradient band, black to dark
// grey, outlined in black, with white 10-point Tahoma text.
#pragma once

#include "win32/GradientControl.h"

#include <memory>
#include <string>

namespace win32 {

class TPanelCaption : public TWindow {
  public:
    explicit TPanelCaption(HWND parent);
    ~TPanelCaption() override;

    const std::wstring &CaptionText() const { return FCaptionText; }
    void setCaptionText(const std::wstring &text);
    TGradientControl &Band() { return *FBand; }

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    std::wstring FCaptionText;
    std::unique_ptr<TGradientControl> FBand;
};

} // namespace win32
