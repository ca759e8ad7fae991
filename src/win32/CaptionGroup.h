// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TCaptionGroup: a group box whose title is a dark caption panel across its top; it holds
// child controls and passes their notifications on to its window.
#pragma once

#include "win32/PanelCaption.h"

#include <memory>
#include <string>

namespace win32 {

class TCaptionGroup : public TWindow {
  public:
    TCaptionGroup(HWND parent, const look::Rect &bounds);
    ~TCaptionGroup() override;

    const std::wstring &CaptionText() const { return FCaptionText; }
    void setCaptionText(const std::wstring &text);
    TPanelCaption &CaptionPanel() { return *FCaptionPanel; }

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) override;

  private:
    void UpdateCaption();

    std::wstring FCaptionText;
    std::unique_ptr<TPanelCaption> FCaptionPanel;
};

} // namespace win32
