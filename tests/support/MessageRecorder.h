// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A message sink for tests: installed for its lifetime, it records every box and beep.
#pragma once

#include "platform/Messages.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

struct RecordedMessage {
    QPointer<QWidget> owner;
    bool hadOwner;
    QString text;
    QString caption;
    platform::MsgIcon icon;
    bool topmost;
};

class MessageRecorder : public platform::MessageSink {
  public:
    MessageRecorder() : m_previous(platform::CurrentMessageSink()) {
        platform::SetMessageSink(this);
    }
    ~MessageRecorder() override { platform::SetMessageSink(m_previous); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void message(QWidget *owner, const QString &text, const QString &caption,
                 platform::MsgIcon icon, bool topmost) override {
        messages.push_back({owner, owner != nullptr, text, caption, icon, topmost});
    }
    void beep() override { ++beeps; }

    void clear() {
        messages.clear();
        beeps = 0;
    }

    std::vector<RecordedMessage> messages;
    int beeps = 0;

  private:
    platform::MessageSink *m_previous;
};
