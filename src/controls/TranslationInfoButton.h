// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TTranslationInfoButton: a push button filling its container that tells the user the
// English texts are a translation.
//
// How a window sets it up: auto *t = new controls::TTranslationInfoButton(form);
// t->setGeometry(88, 224, 100, 24). A click shows the message only when the parent is a
// top-level window, captioned with that window's title at the time of the click.
#pragma once

#include <QString>
#include <QWidget>

class QPushButton;

namespace controls {

// The two paragraphs of the message, separated by "\r\n\r\n".
QString TranslationInfoText();

class TTranslationInfoButton : public QWidget {
    Q_OBJECT

  public:
    explicit TTranslationInfoButton(QWidget *parent = nullptr);

    QPushButton *InnerButton() const { return m_innerButton; }
    void ResizeButton();
    void ShowTranslationInfo();

  protected:
    void resizeEvent(QResizeEvent *event) override;

  private:
    QPushButton *m_innerButton = nullptr;
};

} // namespace controls
