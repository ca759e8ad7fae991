// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The title bar and the band that fills it.
#include "win32/PanelCaption.h"

#include "look/Layout.h"

namespace win32 {

TPanelCaption::TPanelCaption(HWND parent) {
    CreateHandle(L"QuintaraPanelCaption", 0,
                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, parent,
                 {0, 0, 1, look::settings::CaptionHeight});
    FBand = std::make_unique<TGradientControl>(Handle(),
                                               look::Rect{0, 0, 1, look::settings::CaptionHeight});
    FBand->setColor1(look::clBlack);
    FBand->setColor2(look::CaptionBandColor);
    FBand->setFontName(L"Tahoma");
    FBand->setFontSize(look::settings::CaptionFontPoints);
    FBand->setFontColor(look::clWhite);
    FBand->setBorderWidth(1);
    FBand->setBorderColor(FBand->Color1());
    FBand->setGradientDirection(gdVertical);
    FBand->setCaption(FCaptionText);
}

// The band goes before the panel.
TPanelCaption::~TPanelCaption() {
    FBand.reset();
}

void TPanelCaption::setCaptionText(const std::wstring &text) {
    FCaptionText = text;
    FBand->setCaption(text);
}

LRESULT TPanelCaption::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE && FBand) {
        // The band fills the panel.
        Place(FBand->Handle(), {0, 0, LOWORD(lParam), HIWORD(lParam)});
        return 0;
    }
    return Default(message, wParam, lParam);
}

} // namespace win32
