// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: icon, title, version, notices and the translation-info button.
#pragma once

#include "game/DialogForm.h"

class QLabel;
class QTextEdit;
class QPushButton;

namespace controls {
class TTranslationInfoButton;
}
namespace platform {
class TShape;
}

namespace game {

class Tabout : public TDialogForm {
    Q_OBJECT

  public:
    explicit Tabout(QWidget *parent = nullptr);

    QWidget *Panel1;
    platform::TShape *Panel2;
    platform::TShape *Shape1;
    QLabel *logo;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label5;
    QLabel *ver;
    QTextEdit *copyinfo;
    QPushButton *ok;
    controls::TTranslationInfoButton *TranslationInfoButton1;

  protected:
    void changeEvent(QEvent *event) override;

  private:
    void FormCreate();
    void FormActivate();
};

} // namespace game
