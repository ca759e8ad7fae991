// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TWindow: a window of one of the program's own classes, whose messages go to a virtual
// handler of its object, guarded so that no exception leaves the window procedure. Also the
// helpers that create standard controls at design rectangles.
#pragma once

#include "look/Layout.h"

#include <windows.h>

#include <string>

namespace win32 {

class TWindow {
  public:
    TWindow() = default;
    TWindow(const TWindow &) = delete;
    TWindow &operator=(const TWindow &) = delete;
    virtual ~TWindow();

    HWND Handle() const { return FHandle; }

  protected:
    // Creates the window; className is registered on first use with the given class style.
    void CreateHandle(const wchar_t *className, UINT classStyle, DWORD style, DWORD exStyle,
                      HWND parent, const look::Rect &bounds, const std::wstring &text = {});
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling; it also keeps the window's font.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // A self-painted window draws its whole surface here, so its background is never erased.
    virtual void Paint(HDC) {}
    // Handles WM_ERASEBKGND and WM_PAINT through Paint; true when the message was one of them.
    bool HandlePaint(UINT message, LRESULT &result);

  private:
    static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND FHandle = nullptr;
    // What WM_SETFONT gave the window, for its own painting and for its children.
    HFONT FFont = nullptr;
};

// Containers hand their children's notifications and colour requests to their top-level
// window, where the form's handlers are; returns whether the message was one of those.
bool ForwardToForm(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);

// A standard control at a design rectangle of its parent, with a font.
HWND CreateControl(const wchar_t *className, const std::wstring &text, DWORD style, HWND parent,
                   const look::Rect &bounds, int id, HFONT font);
// A label that sizes itself to its text, as a label with automatic sizing does.
HWND CreateAutoLabel(const std::wstring &text, HWND parent, look::Point at, HFONT font,
                     DWORD extraStyle = 0);
// Sizes a label to its text in its font.
void AutoSize(HWND label);

// Moves a window to a rectangle of its parent's client area.
void Place(HWND window, const look::Rect &bounds);
// The client size of a window.
SIZE ClientSize(HWND window);
// The outer rectangle that gives a window of this style the client size, centred on the
// primary screen.
look::Rect CentredOuter(DWORD style, DWORD exStyle, int clientWidth, int clientHeight);

} // namespace win32
