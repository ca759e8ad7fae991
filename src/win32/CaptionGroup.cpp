// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The group's etched frame and its title bar, re-applied at every paint.
#include "win32/CaptionGroup.h"

#include "win32/Graphics.h"

namespace win32 {

TCaptionGroup::TCaptionGroup(HWND parent, const look::Rect &bounds) {
    CreateHandle(L"QuintaraCaptionGroup", 0,
                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
                 parent, bounds);
    SendMessageW(Handle(), WM_SETFONT, static_cast<WPARAM>(SendMessageW(parent, WM_GETFONT, 0, 0)),
                 FALSE);
    FCaptionPanel = std::make_unique<TPanelCaption>(Handle());
    UpdateCaption();
}

TCaptionGroup::~TCaptionGroup() {
    FCaptionPanel.reset();
}

void TCaptionGroup::setCaptionText(const std::wstring &text) {
    FCaptionText = text;
    UpdateCaption();
}

void TCaptionGroup::UpdateCaption() {
    const SIZE size = ClientSize(Handle());
    RECT bar;
    GetWindowRect(FCaptionPanel->Handle(), &bar);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT *>(&bar), 2);
    if (bar.left != 0 || bar.top != 0 || bar.right - bar.left != size.cx)
        Place(FCaptionPanel->Handle(), {0, 0, size.cx, bar.bottom - bar.top});
    if (FCaptionPanel->CaptionText() != FCaptionText)
        FCaptionPanel->setCaptionText(FCaptionText);
}

void TCaptionGroup::Paint(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, SolidBrush(look::clBtnFace));
    // The frame line sits half a text line down, where a group's title would be.
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    RECT frame{0, metrics.tmHeight / 2, r.right, r.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    UpdateCaption();
}

LRESULT TCaptionGroup::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT forwarded = 0;
    if (ForwardToForm(Handle(), message, wParam, lParam, forwarded))
        return forwarded;
    LRESULT painted = 0;
    if (HandlePaint(message, painted))
        return painted;
    return Default(message, wParam, lParam);
}

} // namespace win32
