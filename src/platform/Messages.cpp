// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real message box and beep, or the installed sink.
#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <canberra.h>

namespace platform {
namespace {

MessageSink *sink = nullptr;

// One sound-theme context for the process; null when the sound system is unavailable.
ca_context *SoundContext() {
    static ca_context *context = [] {
        ca_context *c = nullptr;
        if (ca_context_create(&c) != CA_SUCCESS)
            return static_cast<ca_context *>(nullptr);
        ca_context_change_props(c, CA_PROP_APPLICATION_NAME, "Quintara", nullptr);
        return c;
    }();
    return context;
}

} // namespace

void SetMessageSink(MessageSink *newSink) {
    sink = newSink;
}
MessageSink *CurrentMessageSink() {
    return sink;
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
                    caption, shown, QMessageBox::Ok, owner);
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
    if (ca_context *context = SoundContext()) {
        if (ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                            "Wrong answer", nullptr) == CA_SUCCESS)
            return;
    }
    QApplication::beep();
}

} // namespace platform
