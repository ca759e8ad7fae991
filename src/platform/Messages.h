// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes and the default beep, behind one sink that tests replace with a recorder.
#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class MsgIcon { Error, Information };

// A modal box with one OK button. Without an owner the box belongs to the application and
// stacks above the window the player is looking at; topmost keeps it above every other
// window. Line breaks may be "\r\n".
void ShowMessage(QWidget *owner, const QString &text, const QString &caption, MsgIcon icon,
                 bool topmost = false);
// The default system beep: the desktop sound theme's "bell", else the windowing bell.
void Beep();

// The window a box stacks above (transient for it): the owner's window, or for a box of
// the application the modal window in front, else the active window; null when none shows.
QWidget *MessageParent(QWidget *owner);

struct MessageSink {
    virtual ~MessageSink() = default;
    virtual void message(QWidget *owner, const QString &text, const QString &caption, MsgIcon icon,
                         bool topmost) = 0;
    virtual void beep() = 0;
};

// nullptr restores the real message box and the real beep.
void SetMessageSink(MessageSink *sink);
MessageSink *CurrentMessageSink();

} // namespace platform
