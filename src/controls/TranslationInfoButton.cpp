// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The translation-info button: an inner push button that shows the translation notice.
#include "controls/TranslationInfoButton.h"

#include "platform/Hint.h"
#include "platform/Messages.h"

#include <QPushButton>

namespace controls {

QString TranslationInfoText() {
    return QStringLiteral("This is an English translation of the original Swedish version of "
                          "the application.\r\n\r\n"
                          "More information about the translation can be found at %1. Please "
                          "report any linguistic errors to the author of the application by "
                          "e-mail at %2.")
        .arg(QLatin1String(TranslationWebSite), QLatin1String(TranslationEmail));
}

TTranslationInfoButton::TTranslationInfoButton(QWidget *parent) : QWidget(parent) {
    m_innerButton = new QPushButton(this);
    connect(m_innerButton, &QPushButton::clicked, this,
            &TTranslationInfoButton::ShowTranslationInfo);
    m_innerButton->setText(QStringLiteral("Translation Info..."));
    platform::SetHint(m_innerButton,
                      QStringLiteral("|Shows information about the English translation of "
                                     "this application."));
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
