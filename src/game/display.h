// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle window: four terms of a sequence, the entry box for the fifth, the solution
// display and the play flow of one game.
#pragma once

#include "gamecore/Series.h"
#include "gamecore/Submission.h"

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

    // The game's settings, given by the settings window before the window is shown; the
    // count only for a counted game.
    void SetEasyMode(bool easyMode);
    void SetTestMode(bool testMode);
    void SetNumSeries(std::int32_t numSeries);
    bool EasyMode() const { return FEasyMode; }
    bool TestMode() const { return FPlay.TestMode; }
    std::int32_t NumSeries() const { return FPlay.NumSeries; }
    // The 1-based number of the sequence being played.
    std::int32_t SeriesNumber() const { return FPlay.SeriesNumber; }

    // The sequence on show and its fifth term.
    const gamecore::SeriesParams &Series() const { return FSeries; }
    std::int32_t Answer() const { return FPlay.Answer; }
    // Puts up the given sequence in place of the current one, as a new draw would.
    void PutUpSeries(const gamecore::SeriesParams &series);
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
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void FormCreate();
    void FormShow();
    void FormResize();
    void FormDblClick();
    void ieXKeyDown(int key);
    void PlaceRow();
    void PlaceWindowed();
    void KeepWindowMode();
    // When a new sequence is told: as the window first shows, or once it has settled
    // after a change of size.
    enum class Told { AtOnce, WhenSettled };
    void NextSequence(Told told);
    void SetBoxBackgrounds(const QColor &colour);

    bool FEasyMode = false;
    gamecore::PlayState FPlay{};
    gamecore::SeriesParams FSeries{};
    bool FPlacing = false;
    bool FSwitchingBorder = false;
};

} // namespace game
