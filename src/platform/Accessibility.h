// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the game tells assistive technology: spoken announcements, and roles and labels for
// plain widgets that would otherwise be anonymous panels.
#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace platform {

// Speaks text through the screen reader as a notification of the given window: an empty,
// sizeless child that shows with the text as its name. A sighted player sees nothing of it.
void Announce(QWidget *window, const QString &text);

// Like Announce, but said once the window has the keyboard and the events of the change
// in hand are out: a screen reader drops a notification that arrives amid the flood of
// events of a window showing anew or changing size. Only the latest one waiting is said;
// any other announcement replaces it.
void AnnounceWhenSettled(QWidget *window, const QString &text);

// Takes the last announcement off the window, and the one waiting, so that showing the
// window again does not say it once more.
void EndAnnouncement(QWidget *window);

struct AnnounceSink {
    virtual ~AnnounceSink() = default;
    virtual void announce(QWidget *window, const QString &text) = 0;
};

// nullptr restores the real announcements.
void SetAnnounceSink(AnnounceSink *sink);
AnnounceSink *CurrentAnnounceSink();

// Gives a plain widget (a window or a panel) the role assistive technology reports, and
// optionally the label that names it. Call it right after creating the widget.
void SetAccessibleRole(QWidget *widget, QAccessible::Role role, QWidget *labelledBy = nullptr);

// Makes the widget a Tab stop while assistive technology listens, and gives it the policy
// otherwise at all other times: what a sighted player's keys reach stays unchanged.
void TabStopForAssistiveTechnology(QWidget *widget, Qt::FocusPolicy otherwise);

} // namespace platform
