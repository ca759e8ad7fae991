// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window's controls over Win32 and its focus on OK.
#include "win32/aboutWin.h"

#include "look/Layout.h"
#include "look/Texts.h"
#include "win32/Graphics.h"
#include "win32/Text.h"

namespace win32 {

namespace {

namespace design = look::about;

enum : int { IdOk = 201 };

constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD DialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The memo breaks lines at "\r\n".
std::wstring WindowsLines(std::string_view text) {
    std::wstring lines;
    for (wchar_t c : FromUtf8(text)) {
        if (c == L'\n')
            lines += L'\r';
        lines += c;
    }
    return lines;
}

} // namespace

Tabout::Tabout(HWND owner) {
    CreateHandle(
        L"QuintaraAbout", 0, DialogStyle, DialogExStyle, owner,
        CentredOuter(DialogStyle, DialogExStyle, design::ClientWidth, design::ClientHeight),
        FromUtf8(look::AboutTitle));
    HFONT font = DesignFont(L"Tahoma", design::FontHeight);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    Panel1 = std::make_unique<TPanel>(
        Handle(), look::Rect{0, 0, design::ClientWidth, design::ClientHeight}, look::clWhite);
    HWND panel = Panel1->Handle();
    // Stacking order: the picture and texts over the stripe and the white shape.
    logo = CreateControl(L"STATIC", L"", SS_ICON | SS_REALSIZEIMAGE, panel, design::logo, -1, font);
    FIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                          IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    SendMessageW(logo, STM_SETICON, reinterpret_cast<WPARAM>(FIcon), 0);
    Label1 = CreateAutoLabel(FromUtf8(look::ApplicationTitle), panel, design::Label1,
                             DesignFont(L"Verdana", design::Label1Font, true));
    Label2 = CreateAutoLabel(FromUtf8(look::AboutNotice), panel, design::Label2, font);
    Label5 = CreateControl(L"STATIC", FromUtf8(look::VersionCaption), SS_RIGHT, panel,
                           design::Label5, -1, font);
    ver = CreateAutoLabel(FromUtf8(look::VersionDesign), panel, design::ver, font);
    ok = CreateControl(L"BUTTON", FromUtf8(look::OkCaption), BS_DEFPUSHBUTTON | WS_TABSTOP, panel,
                       design::ok, IdOk, font);
    copyinfo = CreateControl(L"EDIT", WindowsLines(look::CopyInfo),
                             ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL, panel,
                             design::copyinfo, -1, font);
    SetWindowLongW(copyinfo, GWL_EXSTYLE, GetWindowLongW(copyinfo, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowPos(copyinfo, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Panel2 =
        std::make_unique<TPanel>(panel, look::Rect{0, 0, design::StripeWidth, design::ClientHeight},
                                 look::clHighlight, look::clHighlight);
    Shape1 = std::make_unique<TPanel>(panel, design::Shape1, look::clWhite, look::clWhite);

    // A direct child of the window, lying over the panel.
    TranslationInfoButton1 =
        std::make_unique<TTranslationInfoButton>(Handle(), design::TranslationInfoButton1, font);
    SetWindowPos(TranslationInfoButton1->Handle(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FormCreate();
}

Tabout::~Tabout() {
    if (FIcon != nullptr)
        DestroyIcon(FIcon);
}

void Tabout::FormCreate() {
    SetWindowTextW(ver, FromUtf8(look::AboutVersion).c_str());
    AutoSize(ver);
}

void Tabout::FormActivate() {
    SetFocus(ok);
}

LRESULT Tabout::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLORSTATIC:
        // Labels, the picture and the read-only memo lie on white.
        SetBkColor(reinterpret_cast<HDC>(wParam), ColorToRGB(look::clWhite));
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(SolidBrush(look::clWhite));
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(SolidBrush(look::clWhite));
    case WM_COMMAND:
        if (LOWORD(wParam) == IdOk && HIWORD(wParam) == BN_CLICKED) {
            Close();
            return 0;
        }
        break;
    default:
        break;
    }
    return TForm::WndProc(message, wParam, lParam);
}

} // namespace win32
