// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window: difficulty, training mode and the number of sequences; Execute runs a
// game in a new puzzle window, About opens the About window, Exit ends the program.
#pragma once

#include "win32/CaptionGroup.h"
#include "win32/Form.h"
#include "win32/IntegerEdit.h"
#include "win32/Panel.h"

#include <memory>

namespace win32 {

class TmainFrm : public TForm {
  public:
    TmainFrm();
    ~TmainFrm() override;

    void btnExecuteSim();
    void cbTestModeClick();
    void ShowAbout();
    void ExitApp();
    void Close() override;

    std::unique_ptr<TCaptionGroup> cgSettings;
    HWND btnExecute = nullptr;
    HWND btnAbout = nullptr;
    HWND btnExit = nullptr;
    HWND Label1 = nullptr;
    std::unique_ptr<TPanel> Panel1;
    HWND rbDodNormal = nullptr;
    HWND rbDodEasy = nullptr;
    HWND cbTestMode = nullptr;
    HWND Label2 = nullptr;
    std::unique_ptr<TIntegerEdit> ieNumSeries;

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    HWND DefaultButton() override { return btnExecute; }
    void Cancel() override { ExitApp(); }
    HWND FirstFocus() override { return rbDodNormal; }
    bool PreTranslate(const MSG &msg) override;
};

} // namespace win32
