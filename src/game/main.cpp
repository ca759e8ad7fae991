// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window and the running of one game in a new puzzle window.
#include "game/main.h"

#include "controls/CaptionGroup.h"
#include "controls/IntegerEdit.h"
#include "game/aboutWin.h"
#include "game/display.h"
#include "gamecore/SeriesCount.h"
#include "look/Texts.h"
#include "platform/Accessibility.h"
#include "platform/Guarded.h"
#include "platform/Messages.h"
#include "platform/ModalForm.h"
#include "platform/Text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace game {

namespace {

template <class W> W *Placed(W *widget, int left, int top, int width, int height) {
    widget->setGeometry(left, top, width, height);
    return widget;
}

} // namespace

TmainFrm::TmainFrm(QWidget *parent)
    : TDialogForm(parent, platform::FromUtf8(look::ApplicationTitle), QSize(335, 216)) {
    cgSettings = Placed(new controls::TCaptionGroup(this), 16, 8, 217, 193);
    cgSettings->setCaptionText(platform::FromUtf8(look::SettingsCaption));
    // The title bar paints the title; the group's own title stays empty, so the name is given.
    cgSettings->setAccessibleName(cgSettings->CaptionText());

    btnExecute =
        Placed(new QPushButton(platform::FromUtf8(look::ExecuteCaption), this), 248, 8, 75, 25);
    btnExecute->setDefault(true);
    btnAbout =
        Placed(new QPushButton(platform::FromUtf8(look::AboutCaption), this), 248, 40, 75, 25);
    btnExit = Placed(new QPushButton(platform::FromUtf8(look::SettingsExitCaption), this), 248, 72,
                     75, 25);
    // Alt+T belongs to training mode, which comes first; with both listening the key would
    // only move the focus between them.
    btnExit->setShortcut(QKeySequence());

    Label1 = AutoLabel(cgSettings, platform::FromUtf8(look::DifficultyCaption), 24, 40);
    Panel1 = Placed(new QWidget(cgSettings), 32, 56, 177, 57);
    rbDodNormal =
        Placed(new QRadioButton(platform::FromUtf8(look::DefaultCaption), Panel1), 8, 8, 161, 17);
    rbDodNormal->setChecked(true);
    rbDodEasy =
        Placed(new QRadioButton(platform::FromUtf8(look::EasyCaption), Panel1), 8, 32, 161, 17);
    // The two choices are heard as the difficulty's.
    platform::SetAccessibleRole(Panel1, QAccessible::Grouping, Label1);
    cbTestMode = Placed(new QCheckBox(platform::FromUtf8(look::TestModeCaption), cgSettings), 24,
                        128, 185, 17);
    Label2 = AutoLabel(cgSettings, platform::FromUtf8(look::CountCaption), 24, 161);
    ieNumSeries = Placed(new controls::TIntegerEdit(cgSettings), 139, 157, 65, 21);
    ieNumSeries->setMin(1);
    ieNumSeries->setMax(999);
    ieNumSeries->SetMaxLength(3);
    ieNumSeries->setText(platform::FromUtf8(look::InitialCount));
    Label2->setBuddy(ieNumSeries);

    setTabOrder(rbDodNormal, rbDodEasy);
    setTabOrder(rbDodEasy, cbTestMode);
    setTabOrder(cbTestMode, ieNumSeries);
    setTabOrder(ieNumSeries, btnExecute);
    setTabOrder(btnExecute, btnAbout);
    setTabOrder(btnAbout, btnExit);
    rbDodNormal->setFocus();

    connect(btnExecute, &QPushButton::clicked, this,
            [this] { platform::Guarded([this] { btnExecuteSim(); }); });
    connect(btnAbout, &QPushButton::clicked, this,
            [this] { platform::Guarded([this] { ShowAbout(); }); });
    connect(btnExit, &QPushButton::clicked, this,
            [this] { platform::Guarded([this] { ExitApp(); }); });
    connect(cbTestMode, &QCheckBox::toggled, this,
            [this] { platform::Guarded([this] { cbTestModeClick(); }); });
}

void TmainFrm::btnExecuteSim() {
    hide();
    // The puzzle window goes and the settings come back whatever happens on the way.
    struct ShowAgain {
        TmainFrm *settings;
        ~ShowAgain() {
            settings->show();
            // Back to the keyboard too, as when a modal window hands back to its owner.
            settings->activateWindow();
        }
    } showAgain{this};
    const auto display = std::make_unique<TdisplayFrm>(this);
    display->SetEasyMode(rbDodEasy->isChecked());
    display->SetTestMode(cbTestMode->isChecked());
    if (!display->TestMode()) {
        if (const auto count = gamecore::SeriesCount(platform::ToCp1252(ieNumSeries->text())))
            display->SetNumSeries(*count);
        else
            platform::ShowMessage(nullptr,
                                  QString::fromStdString(
                                      look::InvalidCountMessage(ieNumSeries->text().toStdString())),
                                  display->windowTitle(), platform::MsgIcon::Error);
    }
    platform::ShowModal(display.get());
}

void TmainFrm::cbTestModeClick() {
    const bool counted = !cbTestMode->isChecked();
    Label2->setEnabled(counted);
    ieNumSeries->setEnabled(counted);
}

void TmainFrm::ShowAbout() {
    const auto about = std::make_unique<Tabout>(this);
    platform::ShowModal(about.get());
    activateWindow();
}

void TmainFrm::ExitApp() {
    close();
}

void TmainFrm::closeEvent(QCloseEvent *event) {
    TDialogForm::closeEvent(event);
    emit Closed();
}

} // namespace game
