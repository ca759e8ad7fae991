// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window over Win32 and the running of one game in a new puzzle window.
#include "win32/main.h"

#include "look/Layout.h"
#include "look/Texts.h"
#include "runtime/IntText.h"
#include "win32/Graphics.h"
#include "win32/Messages.h"
#include "win32/Text.h"
#include "win32/aboutWin.h"
#include "win32/display.h"

#include <algorithm>

namespace win32 {

namespace {

namespace design = look::settings;

// Control identifiers, clear of IDOK and IDCANCEL, which the dialog keys send themselves.
enum : int { IdExecute = 101, IdAbout, IdExit, IdNormal, IdEasy, IdTestMode };

constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD DialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

} // namespace

TmainFrm::TmainFrm() {
    CreateHandle(
        L"QuintaraSettings", 0, DialogStyle, DialogExStyle, nullptr,
        CentredOuter(DialogStyle, DialogExStyle, design::ClientWidth, design::ClientHeight),
        FromUtf8(look::ApplicationTitle));
    HFONT font = DesignFont(L"Tahoma", design::FontHeight);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    // Created in tab order.
    cgSettings = std::make_unique<TCaptionGroup>(Handle(), design::cgSettings);
    cgSettings->setCaptionText(FromUtf8(look::SettingsCaption));
    HWND group = cgSettings->Handle();
    Label1 = CreateAutoLabel(FromUtf8(look::DifficultyCaption), group, design::Label1, font);
    Panel1 = std::make_unique<TPanel>(group, design::Panel1, look::clBtnFace);
    rbDodNormal = CreateControl(L"BUTTON", FromUtf8(look::DefaultCaption),
                                BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, Panel1->Handle(),
                                design::rbDodNormal, IdNormal, font);
    rbDodEasy = CreateControl(L"BUTTON", FromUtf8(look::EasyCaption), BS_AUTORADIOBUTTON,
                              Panel1->Handle(), design::rbDodEasy, IdEasy, font);
    SendMessageW(rbDodNormal, BM_SETCHECK, BST_CHECKED, 0);
    cbTestMode = CreateControl(L"BUTTON", FromUtf8(look::TestModeCaption),
                               BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, group, design::cbTestMode,
                               IdTestMode, font);
    // The label's accelerator moves the focus to the box that follows it.
    Label2 = CreateAutoLabel(FromUtf8(look::CountCaption), group, design::Label2, font, WS_GROUP);
    ieNumSeries = std::make_unique<TIntegerEdit>(group, design::ieNumSeries, font);
    ieNumSeries->Min = design::CountMin;
    ieNumSeries->Max = design::CountMax;
    ieNumSeries->setMaxLength(design::CountMaxLength);
    SetWindowTextW(ieNumSeries->Handle(), FromUtf8(look::InitialCount).c_str());

    btnExecute = CreateControl(L"BUTTON", FromUtf8(look::ExecuteCaption),
                               BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, Handle(),
                               design::btnExecute, IdExecute, font);
    btnAbout = CreateControl(L"BUTTON", FromUtf8(look::AboutCaption), BS_PUSHBUTTON | WS_TABSTOP,
                             Handle(), design::btnAbout, IdAbout, font);
    btnExit = CreateControl(L"BUTTON", FromUtf8(look::SettingsExitCaption),
                            BS_PUSHBUTTON | WS_TABSTOP, Handle(), design::btnExit, IdExit, font);
}

TmainFrm::~TmainFrm() = default;

void TmainFrm::btnExecuteSim() {
    ShowWindow(Handle(), SW_HIDE);
    // The puzzle window goes and the settings come back whatever happens on the way.
    struct ShowAgain {
        HWND settings;
        ~ShowAgain() {
            ShowWindow(settings, SW_SHOW);
            SetForegroundWindow(settings);
        }
    } showAgain{Handle()};
    const auto display = std::make_unique<TdisplayFrm>(Handle());
    display->EasyMode = SendMessageW(rbDodEasy, BM_GETCHECK, 0, 0) == BST_CHECKED;
    display->TestMode = SendMessageW(cbTestMode, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (!display->TestMode) {
        const std::wstring text = WindowText(ieNumSeries->Handle());
        std::int32_t count = 0;
        if (runtime::TryStrToInt(ToCp1252(text), count))
            display->NumSeries = std::min(std::max(count, 1), 999);
        else
            ShowMessage(nullptr, FromUtf8(look::InvalidCountMessage(ToUtf8(text))),
                        WindowText(display->Handle()), MsgIcon::Error);
    }
    display->ShowModal(Handle());
}

void TmainFrm::cbTestModeClick() {
    const BOOL counted = SendMessageW(cbTestMode, BM_GETCHECK, 0, 0) != BST_CHECKED;
    EnableWindow(Label2, counted);
    EnableWindow(ieNumSeries->Handle(), counted);
}

void TmainFrm::ShowAbout() {
    Tabout about(Handle());
    about.ShowModal(Handle());
}

bool TmainFrm::PreTranslate(const MSG &msg) {
    // Alt+T belongs to training mode, which comes first; with Exit listening too the key would
    // only move the focus between them.
    if (msg.message == WM_SYSCHAR && (msg.wParam == L't' || msg.wParam == L'T')) {
        SetFocus(cbTestMode);
        SendMessageW(cbTestMode, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

void TmainFrm::ExitApp() {
    Close();
}

void TmainFrm::Close() {
    TForm::Close();
    DestroyWindow(Handle());
}

LRESULT TmainFrm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, SolidBrush(look::clBtnFace));
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        SetBkColor(reinterpret_cast<HDC>(wParam), ColorToRGB(look::clBtnFace));
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(SolidBrush(look::clBtnFace));
    case WM_COMMAND: {
        const HWND from = reinterpret_cast<HWND>(lParam);
        const WORD code = HIWORD(wParam);
        if (from != nullptr && from == ieNumSeries->Handle() && code == EN_CHANGE) {
            ieNumSeries->Change();
            return 0;
        }
        if (code == BN_CLICKED) {
            switch (LOWORD(wParam)) {
            case IdExecute:
                btnExecuteSim();
                return 0;
            case IdAbout:
                ShowAbout();
                return 0;
            case IdExit:
                ExitApp();
                return 0;
            case IdTestMode:
                cbTestModeClick();
                return 0;
            default:
                break;
            }
        }
        break;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return TForm::WndProc(message, wParam, lParam);
}

} // namespace win32
