// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The translation-info button: an inner push button that shows the translation notice.
#include "controls/TranslationInfoButton.h"

#include "look/Texts.h"
#include "platform/Hint.h"
#include "platform/Messages.h"
#include "platform/Text.h"

#include <QPushButton>

namespace controls {

QString TranslationInfoText() {
    return QString::fromStdString(look::TranslationInfoText());
}

TTranslationInfoButton::TTranslationInfoButton(QWidget *parent) : QWidget(parent) {
    m_innerButton = new QPushButton(this);
    connect(m_innerButton, &QPushButton::clicked, this,
            &TTranslationInfoButton::ShowTranslationInfo);
    m_innerButton->setText(platform::FromUtf8(look::TranslationInfoCaption));
    platform::SetHint(m_innerButton, platform::FromUtf8(look::TranslationInfoHint));
    ResizeButton();
}

void TTranslationInfoButton::ResizeButton() {
    m_innerButton->move(0, 0);
    m_innerButton->resize(m_innerButton->width(), height());
    m_innerButton->resize(width(), m_innerButton->height());
}

void TTranslationInfoButton::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    ResizeButton();
}

void TTranslationInfoButton::ShowTranslationInfo() {
    QWidget *form = parentWidget();
    if (!form || !form->isWindow())
        return;
    platform::ShowMessage(this, TranslationInfoText(), form->windowTitle(),
                          platform::MsgIcon::Information);
}

} // namespace controls
