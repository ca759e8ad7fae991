// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle window over Win32: its controls, the layout on show and resize, the switch
// between full screen and a window, submissions and the solution display.
#include "win32/display.h"

#include "calc/CalcFuncs.h"
#include "calc/CalcVars.h"
#include "gamecore/Submission.h"
#include "look/Texts.h"
#include "runtime/Random.h"
#include "win32/Graphics.h"
#include "win32/Guarded.h"
#include "win32/Messages.h"
#include "win32/Text.h"

#include <commctrl.h>

namespace win32 {

namespace {

namespace design = look::puzzle;
using look::Rect;

constexpr DWORD BorderlessStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD SizeableStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// A text the program writes leaves the caret at the start, so a long number shows its
// beginning.
void WriteText(HWND box, const std::wstring &text) {
    SetWindowTextW(box, text.c_str());
    SendMessageW(box, EM_SETSEL, 0, 0);
}

Rect ChildRect(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT *>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Move(HWND child, look::Point to) {
    SetWindowPos(child, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

TdisplayFrm::TdisplayFrm(HWND owner) {
    CreateHandle(L"QuintaraPuzzle", CS_DBLCLKS, BorderlessStyle, 0, owner,
                 {0, 0, design::ClientWidth, design::ClientHeight},
                 FromUtf8(look::ApplicationTitle));
    HFONT formFont = DesignFont(L"Tahoma", design::FormFont);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(formFont), FALSE);

    // Children are created in tab order, which is also their stacking order: the row first,
    // the bands last, so that Exit lies on the bottom band.
    pnIe = std::make_unique<TPanel>(Handle(), design::pnIe, look::clBlack);
    const int w = design::pnIe.width;
    const int h = design::pnIe.height;
    const Rect edges[] = {{0, 0, w, 1}, {0, h - 1, w, 1}, {0, 1, 1, h - 2}, {w - 1, 1, 1, h - 2}};
    for (std::size_t i = 0; i < Shapes.size(); ++i)
        Shapes[i] =
            std::make_unique<TPanel>(pnIe->Handle(), edges[i], look::clWhite, look::clWhite);
    ie1 = TermBox(design::TermLefts[0], true);
    ie2 = TermBox(design::TermLefts[1], true);
    ie3 = TermBox(design::TermLefts[2], true);
    ie4 = TermBox(design::TermLefts[3], true);
    ieX = TermBox(design::ieX.left, false);

    btnEval = std::make_unique<TFlatButton>(pnIe->Handle(), design::btnEval);
    SendMessageW(btnEval->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(formFont), FALSE);
    btnEval->setCaption(FromUtf8(look::OkCaption));
    btnEval->setClickFocus(true);
    btnEval->setDown(false);
    btnEval->setTabStop(true);
    btnEval->OnClick = [this] { Eval(); };

    HFONT labelFont = DesignFont(L"Tahoma", design::LabelFont);
    for (std::size_t i = 0; i < Labels.size(); ++i) {
        Labels[i] =
            CreateAutoLabel(FromUtf8(look::TermLabel(static_cast<int>(i) + 1)), pnIe->Handle(),
                            {design::LabelLefts[i], design::LabelTop}, labelFont);
        ShowWindow(Labels[i], SW_HIDE);
    }

    btnExit = std::make_unique<TFlatButton>(Handle(), design::btnExit);
    btnExit->setCaption(FromUtf8(look::ExitCaption));
    btnExit->setClickFocus(true);
    btnExit->setColor(look::clSilver);
    btnExit->setParentColor(false);
    btnExit->setDown(false);
    btnExit->setTabStop(true);
    btnExit->OnClick = [this] { CloseSim(); };

    HFONT narrow = DesignFont(L"Arial Narrow", design::TitleFont);
    lblSeries = std::make_unique<TPanel>(Handle(), design::lblSeries, look::clBlack);
    lblSeries_ = CreateAutoLabel(FromUtf8(look::CurrentSequence), lblSeries->Handle(), {0, 0},
                                 narrow, SS_NOPREFIX);
    lblExpr = std::make_unique<TPanel>(Handle(), design::lblExpr, look::clBlack);
    lblExpr_ = CreateControl(L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_NOPREFIX, lblExpr->Handle(),
                             {0, 0, design::lblExpr.width, design::lblExpr.height}, -1, narrow);
    ShowWindow(lblExpr->Handle(), SW_HIDE);

    Line1 = std::make_unique<TPanel>(Handle(), design::Line1, look::clWhite, look::clWhite);
    Line2 = std::make_unique<TPanel>(Handle(), design::Line2, look::clWhite, look::clWhite);
    auto band = [this](const Rect &bounds, look::TColor from, look::TColor to) {
        auto g = std::make_unique<TGradientControl>(Handle(), bounds);
        g->setColor1(from);
        g->setColor2(to);
        g->setGradientDirection(gdHorizontal);
        g->setBorderWidth(0);
        g->setBorderColor(look::clBlack);
        g->setFontColor(look::clBlack);
        g->setFontSize(0);
        g->setFontName(L"");
        g->setCaption(L"");
        return g;
    };
    GradientControl2 = band(design::GradientControl2, look::clSilver, look::clBlack);
    GradientControl1 = band(design::GradientControl1, look::clBlack, look::clSilver);

    FAnchored = {
        {GradientControl2->Handle(), design::GradientControl2, design::GradientControl2Anchors},
        {Line1->Handle(), design::Line1, design::Line1Anchors},
        {GradientControl1->Handle(), design::GradientControl1, design::GradientControl1Anchors},
        {Line2->Handle(), design::Line2, design::Line2Anchors},
        {btnExit->Handle(), design::btnExit, design::btnExitAnchors},
    };
    FormCreate();
}

TdisplayFrm::~TdisplayFrm() {
    for (HWND box : {ie1, ie2, ie3, ie4, ieX})
        RemoveWindowSubclass(box, BoxProc, 1);
}

HWND TdisplayFrm::TermBox(int left, bool readOnly) {
    HWND box = CreateControl(L"EDIT", FromUtf8(look::InitialBoxText),
                             ES_AUTOHSCROLL | (readOnly ? ES_READONLY : WS_TABSTOP), pnIe->Handle(),
                             {left, design::BoxTop, design::BoxWidth, design::BoxHeight}, -1,
                             DesignFont(L"Arial Narrow", design::BoxFont));
    SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SetWindowSubclass(box, BoxProc, 1, reinterpret_cast<DWORD_PTR>(this));
    return box;
}

void TdisplayFrm::FormCreate() {
    runtime::Randomize();
    SeriesNumber = 1;
    TermBoxes = {ie1, ie2, ie3, ie4};
    calc::InitVariables();
    calc::InitFunctions();
}

bool TdisplayFrm::Borderless() const {
    return (GetWindowLongW(Handle(), GWL_STYLE) & WS_THICKFRAME) == 0;
}

void TdisplayFrm::FormShow() {
    LayOut();
}

void TdisplayFrm::FormResize() {
    LayOut();
}

void TdisplayFrm::LayOut() {
    // Moving the window raises a resize, which lays out again: one pass is enough.
    if (FLayingOut)
        return;
    FLayingOut = true;
    struct Reset {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{FLayingOut};

    if (Borderless()) {
        const int cx = GetSystemMetrics(SM_CXSCREEN);
        const int cy = GetSystemMetrics(SM_CYSCREEN);
        RECT r;
        GetWindowRect(Handle(), &r);
        if (r.left != 0 || r.top != 0 || r.right != cx || r.bottom != cy)
            SetWindowPos(Handle(), nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT outer;
    GetWindowRect(Handle(), &outer);
    const auto places = design::PlaceRow(outer.right - outer.left, ChildRect(Line1->Handle()).top,
                                         ChildRect(Line2->Handle()).top);
    Move(pnIe->Handle(), places.pnIe);
    Move(lblSeries->Handle(), places.lblSeries);
    Move(lblExpr->Handle(), places.lblExpr);

    GradientControl1->setCaption(TestMode ? FromUtf8(look::HelpHint) : std::wstring());
    CreateSeries();
    ShowSeries();
}

void TdisplayFrm::FormDblClick() {
    // The control that had the keyboard focus keeps it.
    HWND focused = GetFocus();
    FSwitchingBorder = true;
    if (!Borderless()) {
        SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(BorderlessStyle | WS_VISIBLE));
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowLongW(Handle(), GWL_STYLE, SizeableStyle | WS_VISIBLE);
        const look::Point origin =
            design::WindowedOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        SetWindowPos(Handle(), nullptr, origin.x, origin.y, design::WindowedWidth,
                     design::WindowedHeight, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    FSwitchingBorder = false;
    if (focused != nullptr && IsChild(Handle(), focused))
        SetFocus(focused);
    LayOut();
}

void TdisplayFrm::ieXKeyDown(WPARAM key) {
    // The modifiers are not examined: Shift+Enter and Ctrl+Enter submit as well.
    if (key == VK_RETURN)
        Eval();
    else if (key == VK_F1)
        Help();
}

void TdisplayFrm::CreateSeries() {
    const gamecore::SeriesParams drawn =
        gamecore::CreateSeries(EasyMode, {SeriesKind, SeriesStart, SeriesStep});
    SeriesKind = drawn.SeriesKind;
    SeriesStart = drawn.SeriesStart;
    SeriesStep = drawn.SeriesStep;
}

void TdisplayFrm::ShowSeries() {
    const auto terms = gamecore::SeriesTerms({SeriesKind, SeriesStart, SeriesStep});
    for (std::size_t i = 0; i < TermBoxes.size(); ++i)
        WriteText(TermBoxes[i], std::to_wstring(terms[i]));
    Answer = terms[4];
    SetWindowTextW(ieX, FromUtf8(look::InitialBoxText).c_str());
    SendMessageW(ieX, EM_SETSEL, 0, -1);
    SetBoxBackgrounds(look::clBlack);
    for (HWND label : Labels)
        ShowWindow(label, SW_HIDE);
    ShowWindow(lblExpr->Handle(), SW_HIDE);
}

void TdisplayFrm::SetBoxBackgrounds(look::TColor colour) {
    FBoxColour = colour;
    for (HWND box : {ie1, ie2, ie3, ie4, ieX})
        InvalidateRect(box, nullptr, TRUE);
}

void TdisplayFrm::Help() {
    if (!TestMode)
        return;
    WriteText(ieX, std::to_wstring(Answer));
    SetBoxBackgrounds(look::SolvedBoxColor);
    for (HWND label : Labels)
        ShowWindow(label, SW_SHOW);
    SetWindowTextW(
        lblExpr_,
        FromCp1252(gamecore::SeriesFormula({SeriesKind, SeriesStart, SeriesStep})).c_str());
    ShowWindow(lblExpr->Handle(), SW_SHOW);
}

void TdisplayFrm::Eval() {
    gamecore::PlayState state{TestMode, NumSeries, SeriesNumber, Answer};
    const gamecore::SubmitResult result = gamecore::SubmitAnswer(ToCp1252(WindowText(ieX)), state);
    if (result.Outcome == gamecore::TSubmitOutcome::soAborted)
        return;
    const std::wstring text = FromCp1252(result.BoxText);
    WriteText(ieX, text);
    switch (result.Outcome) {
    case gamecore::TSubmitOutcome::soAborted:
        break;
    case gamecore::TSubmitOutcome::soNotInteger:
        ShowMessage(GetActiveWindow(), FromUtf8(look::NotIntegerMessage(ToUtf8(text))),
                    WindowText(Handle()), MsgIcon::Error);
        break;
    case gamecore::TSubmitOutcome::soWrong:
        Beep();
        break;
    case gamecore::TSubmitOutcome::soCompleted:
        ShowWindow(pnIe->Handle(), SW_HIDE);
        SetWindowTextW(lblSeries_, FromUtf8(look::AllCompleted).c_str());
        AutoSize(lblSeries_);
        [[fallthrough]];
    case gamecore::TSubmitOutcome::soCorrect:
        SeriesNumber = state.SeriesNumber;
        CreateSeries();
        ShowSeries();
        break;
    }
}

void TdisplayFrm::CloseSim() {
    Close();
}

HBRUSH TdisplayFrm::ControlColour(HDC dc, HWND control) {
    const bool box =
        control == ie1 || control == ie2 || control == ie3 || control == ie4 || control == ieX;
    const look::TColor back = box ? FBoxColour : look::clBlack;
    SetTextColor(dc, ColorToRGB(look::clWhite));
    SetBkColor(dc, ColorToRGB(back));
    return SolidBrush(back);
}

LRESULT TdisplayFrm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, SolidBrush(look::clBlack));
        return 1;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(
            ControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_SHOWWINDOW:
        if (wParam && !FSwitchingBorder) {
            FShown = true;
            FormShow();
        }
        break;
    case WM_SIZE: {
        const int width = LOWORD(lParam);
        const int height = HIWORD(lParam);
        for (const Anchoring &a : FAnchored)
            Place(a.window, look::Anchored(a.design, a.anchors, design::ClientWidth,
                                           design::ClientHeight, width, height));
        if (FShown && !FSwitchingBorder && IsWindowVisible(Handle()))
            FormResize();
        return 0;
    }
    case WM_GETMINMAXINFO: {
        auto *info = reinterpret_cast<MINMAXINFO *>(lParam);
        info->ptMinTrackSize = {design::MinimumWidth, design::MinimumHeight};
        return 0;
    }
    case WM_LBUTTONDBLCLK:
        // Only the window's own background: the controls take their own clicks.
        FormDblClick();
        return 0;
    default:
        break;
    }
    return TForm::WndProc(message, wParam, lParam);
}

LRESULT CALLBACK TdisplayFrm::BoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) {
    auto *self = reinterpret_cast<TdisplayFrm *>(data);
    if (window == self->ieX) {
        switch (message) {
        case WM_GETDLGCODE: {
            LRESULT code = DefSubclassProc(window, message, wParam, lParam);
            // Enter is the entry box's own key, not the window's default button.
            if (lParam != 0 && reinterpret_cast<MSG *>(lParam)->message == WM_KEYDOWN &&
                reinterpret_cast<MSG *>(lParam)->wParam == VK_RETURN)
                code |= DLGC_WANTMESSAGE;
            return code;
        }
        case WM_KEYDOWN:
            // The window's handler sees the key first; the key goes on unchanged.
            Guarded([&] { self->ieXKeyDown(wParam); });
            break;
        case WM_CHAR:
            // The character of Enter would only make the edit control ding.
            if (wParam == L'\r')
                return 0;
            break;
        default:
            break;
        }
    } else if (message == WM_SETCURSOR) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace win32
