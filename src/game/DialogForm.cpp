// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's dialog windows' common border, placement and closing.
#include "game/DialogForm.h"

#include "platform/Fonts.h"
#include "platform/Frame.h"

#include <QCloseEvent>
#include <QLabel>

namespace game {

TDialogForm::TDialogForm(QWidget *parent, const QString &caption, QSize clientSize)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(caption);
    setFont(platform::DesignFont(QStringLiteral("Tahoma"), 11));
    setFixedSize(clientSize);
    platform::CentreOnScreen(this);
}

void TDialogForm::reject() {
    close();
}

void TDialogForm::closeEvent(QCloseEvent *event) {
    event->accept();
}

QLabel *AutoLabel(QWidget *parent, const QString &caption, int left, int top) {
    auto *label = new QLabel(caption, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

} // namespace game
