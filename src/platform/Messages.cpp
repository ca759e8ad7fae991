// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real message box and beep, or the installed sink.
#include "platform/Messages.h"

#include "platform/Sound.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace platform {
namespace {

MessageSink *sink = nullptr;

} // namespace

void SetMessageSink(MessageSink *newSink) {
    sink = newSink;
}
MessageSink *CurrentMessageSink() {
    return sink;
}

QWidget *MessageParent(QWidget *owner) {
    if (owner)
        return owner->window();
    for (QWidget *window : {QApplication::activeModalWidget(), QApplication::activeWindow()})
        if (window && window->isVisible())
            return window;
    return nullptr;
}

void ShowMessage(QWidget *owner, const QString &text, const QString &caption, MsgIcon icon,
                 bool topmost) {
    if (sink) {
        sink->message(owner, text, caption, icon, topmost);
        return;
    }
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon == MsgIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    caption, shown, QMessageBox::Ok, MessageParent(owner));
    box.setTextFormat(Qt::PlainText);
    if (topmost)
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}

void Beep() {
    if (sink) {
        sink->beep();
        return;
    }
    PlayBeep(SystemBeepPlatform());
}

} // namespace platform
