// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A message sink for tests: installed for its lifetime, it records every box, beep and
// spoken announcement.
#pragma once

#include "platform/Accessibility.h"
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

class MessageRecorder : public platform::MessageSink, public platform::AnnounceSink {
  public:
    MessageRecorder()
        : m_previous(platform::CurrentMessageSink()),
          m_previousAnnounce(platform::CurrentAnnounceSink()) {
        platform::SetMessageSink(this);
        platform::SetAnnounceSink(this);
    }
    ~MessageRecorder() override {
        platform::SetMessageSink(m_previous);
        platform::SetAnnounceSink(m_previousAnnounce);
    }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void message(QWidget *owner, const QString &text, const QString &caption,
                 platform::MsgIcon icon, bool topmost) override {
        messages.push_back({owner, owner != nullptr, text, caption, icon, topmost});
    }
    void beep() override { ++beeps; }
    void announce(QWidget *window, const QString &text) override {
        announcements.push_back(text);
        announcedBy.push_back(window);
    }

    void clear() {
        messages.clear();
        beeps = 0;
        announcements.clear();
        announcedBy.clear();
    }

    std::vector<RecordedMessage> messages;
    int beeps = 0;
    std::vector<QString> announcements;
    std::vector<QPointer<QWidget>> announcedBy;

  private:
    platform::MessageSink *m_previous;
    platform::AnnounceSink *m_previousAnnounce;
};
