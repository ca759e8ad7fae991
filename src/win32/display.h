// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle window: four terms of a sequence, the entry box for the fifth, the solution
// display and the play flow of one game.
#pragma once

#include "gamecore/Series.h"
#include "look/Layout.h"
#include "win32/FlatButton.h"
#include "win32/Form.h"
#include "win32/GradientControl.h"
#include "win32/Panel.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace win32 {

class TdisplayFrm : public TForm {
  public:
    explicit TdisplayFrm(HWND owner);
    ~TdisplayFrm() override;

    // Game settings, set by the settings window before the window is shown.
    bool EasyMode = false;
    bool TestMode = false;
    std::int32_t NumSeries = 0;
    // The 1-based number of the sequence being played.
    std::int32_t SeriesNumber = 0;

    // The current sequence.
    gamecore::TSeriesKind SeriesKind = gamecore::TSeriesKind::skArithmetic;
    std::int32_t SeriesStart = 0;
    std::int32_t SeriesStep = 0;
    std::int32_t Answer = 0;
    std::array<HWND, 4> TermBoxes{};

    void CreateSeries();
    void ShowSeries();
    void Help();
    void Eval();
    void CloseSim();

    // The window's controls.
    std::unique_ptr<TGradientControl> GradientControl2;
    std::unique_ptr<TPanel> Line1;
    std::unique_ptr<TGradientControl> GradientControl1;
    std::unique_ptr<TPanel> Line2;
    std::unique_ptr<TFlatButton> btnExit;
    std::unique_ptr<TPanel> pnIe;
    std::array<std::unique_ptr<TPanel>, 4> Shapes; // Shape1..Shape4: the panel's white frame
    HWND ie1 = nullptr, ie2 = nullptr, ie3 = nullptr, ie4 = nullptr, ieX = nullptr;
    std::unique_ptr<TFlatButton> btnEval;
    std::array<HWND, 5> Labels{}; // lbl1..lbl5: "(1)" to "(5)"
    std::unique_ptr<TPanel> lblSeries;
    HWND lblSeries_ = nullptr;
    std::unique_ptr<TPanel> lblExpr;
    HWND lblExpr_ = nullptr;

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    HWND FirstFocus() override { return ieX; }

  private:
    struct Anchoring {
        HWND window;
        look::Rect design;
        unsigned anchors;
    };
    static LRESULT CALLBACK BoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR data);
    HWND TermBox(int left, bool readOnly);
    void FormCreate();
    void FormShow();
    void FormResize();
    void FormDblClick();
    void ieXKeyDown(WPARAM key);
    void LayOut();
    bool Borderless() const;
    void SetBoxBackgrounds(look::TColor colour);
    HBRUSH ControlColour(HDC dc, HWND control);

    std::vector<Anchoring> FAnchored;
    look::TColor FBoxColour = look::clBlack;
    bool FLayingOut = false;
    bool FSwitchingBorder = false;
    bool FShown = false;
};

} // namespace win32
