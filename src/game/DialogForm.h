// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The base of the game's dialog windows: a fixed dialog border, centred on the screen,
// closed (not merely hidden) by Esc.
#pragma once

#include <QDialog>

class QLabel;

namespace game {

class TDialogForm : public QDialog {
    Q_OBJECT

  public:
    // A fixed client area of the given size; the window, border included, centred on the screen.
    TDialogForm(QWidget *parent, const QString &caption, QSize clientSize);

  public slots:
    // Esc closes the window, which ends its modal loop or, for the settings, the program.
    void reject() override;

  protected:
    // Not QDialog's closeEvent, which would turn the close into a reject.
    void closeEvent(QCloseEvent *event) override;
};

// A label that sizes itself to its caption, placed at left, top.
QLabel *AutoLabel(QWidget *parent, const QString &caption, int left, int top);

} // namespace game
