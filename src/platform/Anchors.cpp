// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Anchor rules: one watcher per control, applied when the parent's size changes.
#include "platform/AlignAnchors.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

const char *const WatcherName = "platform-anchors";

class AnchorWatcher : public QObject {
  public:
    AnchorWatcher(QWidget *control, int anchors) : QObject(control), m_control(control) {
        setObjectName(QLatin1String(WatcherName));
        control->installEventFilter(this);
        setAnchors(anchors);
    }

    int anchors() const { return m_anchors; }

    void setAnchors(int anchors) {
        m_anchors = anchors;
        capture();
        if (m_parent != m_control->parentWidget()) {
            if (m_parent)
                m_parent->removeEventFilter(this);
            m_parent = m_control->parentWidget();
            if (m_parent)
                m_parent->installEventFilter(this);
        }
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == m_parent && event->type() == QEvent::Resize) {
            apply();
        } else if (watched == m_control &&
                   (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
            // The program moved the control: its new place sets the distances.
            if (m_control->geometry() != m_applied)
                capture();
        } else if (watched == m_control && event->type() == QEvent::ParentChange) {
            setAnchors(m_anchors);
        }
        return false;
    }

  private:
    void capture() {
        m_rule = m_control->geometry();
        m_applied = m_rule;
        m_parentSize = m_control->parentWidget() ? m_control->parentWidget()->size() : QSize();
    }

    static void axis(bool low, bool high, int pos, int extent, int parentOld, int parentNew,
                     int &newPos, int &newExtent) {
        const int delta = parentNew - parentOld;
        newPos = pos;
        newExtent = extent;
        if (low && high) {
            newExtent = std::max(0, extent + delta);
        } else if (high) {
            newPos = pos + delta;
        } else if (!low && parentOld > 0) {
            const double centre = (pos + extent / 2.0) / parentOld;
            newPos = static_cast<int>(std::lround(centre * parentNew - extent / 2.0));
        }
    }

    void apply() {
        if (!m_parent)
            return;
        // A move the program made while nothing was delivered: take it as the rule.
        if (m_control->geometry() != m_applied)
            capture();
        const QSize now = m_parent->size();
        int x, w, y, h;
        axis(m_anchors & akLeft, m_anchors & akRight, m_rule.x(), m_rule.width(),
             m_parentSize.width(), now.width(), x, w);
        axis(m_anchors & akTop, m_anchors & akBottom, m_rule.y(), m_rule.height(),
             m_parentSize.height(), now.height(), y, h);
        m_applied = QRect(x, y, w, h);
        m_control->setGeometry(m_applied);
    }

    QWidget *m_control;
    QPointer<QWidget> m_parent;
    int m_anchors = akLeft | akTop;
    QRect m_rule;
    QRect m_applied;
    QSize m_parentSize;
};

AnchorWatcher *FindWatcher(const QWidget *control) {
    return control->findChild<AnchorWatcher *>(QLatin1String(WatcherName),
                                               Qt::FindDirectChildrenOnly);
}

} // namespace

void SetAnchors(QWidget *control, TAnchors anchors) {
    if (AnchorWatcher *watcher = FindWatcher(control))
        watcher->setAnchors(static_cast<int>(anchors.toInt()));
    else
        new AnchorWatcher(control, static_cast<int>(anchors.toInt()));
}

TAnchors Anchors(const QWidget *control) {
    const AnchorWatcher *watcher = FindWatcher(control);
    return watcher ? TAnchors::fromInt(static_cast<TAnchors::Int>(watcher->anchors()))
                   : (akLeft | akTop);
}

} // namespace platform
