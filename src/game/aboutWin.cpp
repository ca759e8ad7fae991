// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window's controls and its focus on OK.
#include "game/aboutWin.h"

#include "controls/TranslationInfoButton.h"
#include "game/Resources.h"
#include "look/Texts.h"
#include "platform/Accessibility.h"
#include "platform/AlignAnchors.h"
#include "platform/Colors.h"
#include "platform/Fonts.h"
#include "platform/Selection.h"
#include "platform/Shape.h"
#include "platform/Text.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace game {

namespace {

// The face reports a negative leading, which would pull the lines together until the
// descenders touch the next line: each line takes the face's full cell height instead.
void UseFullCellHeight(QTextEdit *memo) {
    QTextBlockFormat lines;
    lines.setLineHeight(platform::CellHeight(memo->font()), QTextBlockFormat::FixedHeight);
    QTextCursor all(memo->document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(lines);
}

} // namespace

Tabout::Tabout(QWidget *parent)
    : TDialogForm(parent, platform::FromUtf8(look::AboutTitle), QSize(373, 261)) {
    Panel1 = new QWidget(this);
    platform::SetAlign(Panel1, platform::alClient);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);
    Panel1->setAutoFillBackground(true);

    Panel2 = new platform::TShape(Panel1);
    Panel2->setGeometry(0, 0, 73, 261);
    platform::SetAlign(Panel2, platform::alLeft);
    Panel2->setPenColor(platform::clHighlight);
    Panel2->setBrushColor(platform::clHighlight);

    Shape1 = new platform::TShape(Panel1);
    Shape1->setGeometry(73, 0, 300, 261);
    platform::SetAlign(Shape1, platform::alClient);
    Shape1->setPenColor(platform::clWhite);

    logo = new QLabel(Panel1);
    // The icon's own image for the screen's density: the 64-pixel drawing at twice the
    // density rather than the 32-pixel one blown up.
    logo->setPixmap(ApplicationIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    logo->setGeometry(20, 8, 32, 32);
    logo->setAccessibleName(QStringLiteral("Quintara icon"));

    Label1 = AutoLabel(Panel1, platform::FromUtf8(look::ApplicationTitle), 88, 8);
    Label1->setFont(platform::DesignFont(QStringLiteral("Verdana"), 16, true));
    Label1->adjustSize();
    Label2 = AutoLabel(Panel1, platform::FromUtf8(look::AboutNotice), 88, 33);

    Label5 = new QLabel(platform::FromUtf8(look::VersionCaption), Panel1);
    Label5->setGeometry(80, 77, 94, 13);
    Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);
    ver = AutoLabel(Panel1, platform::FromUtf8(look::VersionDesign), 184, 77);

    copyinfo = new QTextEdit(Panel1);
    copyinfo->setAcceptRichText(false);
    copyinfo->setGeometry(88, 152, 273, 59);
    copyinfo->setReadOnly(true);
    copyinfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Not a tab stop for sighted keyboard play; a screen reader's user reaches it with Tab.
    platform::TabStopForAssistiveTechnology(copyinfo, Qt::ClickFocus);
    copyinfo->setAccessibleName(QStringLiteral("Notice"));
    copyinfo->setTabChangesFocus(true);
    copyinfo->setPlainText(platform::FromUtf8(look::CopyInfo));
    UseFullCellHeight(copyinfo);
    platform::HideSelectionWithoutFocus(copyinfo);
    QPalette base = copyinfo->palette();
    base.setColor(QPalette::Base, Qt::white);
    copyinfo->setPalette(base);

    ok = new QPushButton(platform::FromUtf8(look::OkCaption), Panel1);
    ok->setGeometry(288, 225, 73, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    TranslationInfoButton1 = new controls::TTranslationInfoButton(this);
    TranslationInfoButton1->setGeometry(88, 224, 100, 24);
    TranslationInfoButton1->raise();

    FormCreate();
}

void Tabout::FormCreate() {
    ver->setText(platform::FromUtf8(look::AboutVersion));
    ver->adjustSize();
}

void Tabout::FormActivate() {
    ok->setFocus();
}

void Tabout::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

} // namespace game
