// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle window: four terms of a sequence, the entry box for the fifth, the solution
// display and the play flow of one game.
#pragma once

#include "gamecore/Series.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;

namespace controls {
class TFlatButton;
class TGradientControl;
} // namespace controls
namespace platform {
class TShape;
}

namespace game {

class TdisplayFrm : public QWidget {
    Q_OBJECT

  public:
    explicit TdisplayFrm(QWidget *owner = nullptr);
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
    std::array<QLineEdit *, 4> TermBoxes{};

    void CreateSeries();
    void ShowSeries();
    void Help();
    void Eval();
    void CloseSim();

    // The window's controls.
    controls::TGradientControl *GradientControl2;
    platform::TShape *Line1;
    controls::TGradientControl *GradientControl1;
    platform::TShape *Line2;
    controls::TFlatButton *btnExit;
    QWidget *pnIe;
    std::array<platform::TShape *, 4> Shapes{}; // Shape1..Shape4: the panel's white frame
    QLineEdit *ie1;
    QLineEdit *ie2;
    QLineEdit *ie3;
    QLineEdit *ie4;
    QLineEdit *ieX;
    controls::TFlatButton *btnEval;
    std::array<QLabel *, 5> Labels{}; // lbl1..lbl5: "(1)" to "(5)"
    QWidget *lblSeries;
    QLabel *lblSeries_;
    QWidget *lblExpr;
    QLabel *lblExpr_;

  protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void FormCreate();
    void FormShow();
    void FormResize();
    void FormDblClick();
    void ieXKeyDown(int key);
    void LayOut();
    void SetBoxBackgrounds(const QColor &colour);

    bool FLayingOut = false;
    bool FSwitchingBorder = false;
};

} // namespace game
