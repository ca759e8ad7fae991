// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TForm: a top-level window with keyboard navigation (Tab, accelerators, a default and a
// cancel button), the focus kept across activations, and modal display.
#pragma once

#include "win32/Window.h"

namespace win32 {

class TForm : public TWindow {
  public:
    // Shows the window and runs its own message loop, the owner disabled, until it closes.
    void ShowModal(HWND owner);
    // Ends a modal display (or, for the main window, the program).
    virtual void Close();
    bool Closed() const { return FClosed; }

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The button Enter clicks, or null; the focused push button wins.
    virtual HWND DefaultButton() { return nullptr; }
    // Esc: the cancel button's click, nothing by default.
    virtual void Cancel() {}
    // The control that takes the focus when the window first becomes active.
    virtual HWND FirstFocus() { return nullptr; }
    // Runs every time the window becomes active.
    virtual void FormActivate() {}
    // A keyboard message the window handles before the dialog keys; true when handled.
    virtual bool PreTranslate(const MSG &) { return false; }

    friend bool Pump(TForm &form, MSG &msg);

  private:
    bool FClosed = false;
    HWND FFocused = nullptr;
};

// Takes one message and hands it on through the form's keys; false at WM_QUIT.
bool Pump(TForm &form, MSG &msg);
// The application's message loop over the main window's keyboard navigation, until WM_QUIT.
int RunMessageLoop(TForm &mainWindow);

} // namespace win32
