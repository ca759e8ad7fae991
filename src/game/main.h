// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window: difficulty, training mode and the length of a game, and the buttons
// that start a game, open About and end the program.
#pragma once

#include "game/DialogForm.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace controls {
class TCaptionGroup;
class TIntegerEdit;
} // namespace controls

namespace game {

class TmainFrm : public TDialogForm {
    Q_OBJECT

  public:
    explicit TmainFrm(QWidget *parent = nullptr);

    void btnExecuteSim();
    void cbTestModeClick();
    void ShowAbout();
    void ExitApp();

    controls::TCaptionGroup *cgSettings;
    QLabel *Label1;
    QWidget *Panel1;
    QRadioButton *rbDodNormal;
    QRadioButton *rbDodEasy;
    QCheckBox *cbTestMode;
    QLabel *Label2;
    controls::TIntegerEdit *ieNumSeries;
    QPushButton *btnExecute;
    QPushButton *btnAbout;
    QPushButton *btnExit;

  signals:
    // The settings window has closed: the program ends.
    void Closed();

  protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace game
