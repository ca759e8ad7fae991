// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TIntegerEdit: a standard edit box for a whole number between Min and Max. It filters typed
// characters, steps with the arrow keys, pulls values above Max back and replaces non-numbers
// by Min, and selects its text after an arrow step.
#pragma once

#include "look/Layout.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace win32 {

class TIntegerEdit {
  public:
    TIntegerEdit(HWND parent, const look::Rect &bounds, HFONT font);
    TIntegerEdit(const TIntegerEdit &) = delete;
    TIntegerEdit &operator=(const TIntegerEdit &) = delete;
    ~TIntegerEdit();

    HWND Handle() const { return FHandle; }
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    void setMaxLength(int length);

    // The box's parent window calls this on the box's EN_CHANGE.
    void Change();

  private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
    void KeyDown(WPARAM key);
    void WriteText(const std::string &text);

    HWND FHandle = nullptr;
    // Shared by every integer edit box: the last key-down stepped the value.
    static bool SelectAllPending;
};

} // namespace win32
