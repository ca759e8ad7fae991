// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Alignment: one arranger per parent lays out its aligned children when anything changes.
#include "platform/AlignAnchors.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace platform {
namespace {

const char *const ArrangerName = "platform-align";
const char *const AlignProperty = "platformAlign";

class AlignArranger : public QObject {
  public:
    explicit AlignArranger(QWidget *parent) : QObject(parent), m_parent(parent) {
        setObjectName(QLatin1String(ArrangerName));
        parent->installEventFilter(this);
    }

    void set(QWidget *control, TAlign align) {
        std::erase_if(m_controls,
                      [control](const QPointer<QWidget> &c) { return c.isNull() || c == control; });
        control->removeEventFilter(this);
        if (align != alNone) {
            m_controls.emplace_back(control);
            control->installEventFilter(this);
        }
        realign();
    }

    void realign() {
        if (m_busy)
            return;
        m_busy = true;
        QRect area = m_parent->rect();
        for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
            for (const QPointer<QWidget> &c : m_controls) {
                if (!c || c->isHidden() || Align(c) != pass)
                    continue;
                QRect g = c->geometry();
                switch (pass) {
                case alTop:
                    g = QRect(area.left(), area.top(), area.width(), g.height());
                    area.setTop(area.top() + g.height());
                    break;
                case alBottom:
                    g = QRect(area.left(), area.bottom() + 1 - g.height(), area.width(),
                              g.height());
                    area.setBottom(area.bottom() - g.height());
                    break;
                case alLeft:
                    g = QRect(area.left(), area.top(), g.width(), area.height());
                    area.setLeft(area.left() + g.width());
                    break;
                case alRight:
                    g = QRect(area.right() + 1 - g.width(), area.top(), g.width(), area.height());
                    area.setRight(area.right() - g.width());
                    break;
                default:
                    g = area;
                    break;
                }
                if (g.width() < 0)
                    g.setWidth(0);
                if (g.height() < 0)
                    g.setHeight(0);
                if (c->geometry() != g)
                    c->setGeometry(g);
            }
        }
        m_busy = false;
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            realign();
            break;
        case QEvent::ParentChange:
            if (watched != m_parent)
                set(static_cast<QWidget *>(watched), alNone);
            break;
        default:
            break;
        }
        return false;
    }

  private:
    QWidget *m_parent;
    std::vector<QPointer<QWidget>> m_controls;
    bool m_busy = false;
};

} // namespace

void SetAlign(QWidget *control, TAlign align) {
    control->setProperty(AlignProperty, static_cast<int>(align));
    QWidget *parent = control->parentWidget();
    if (!parent)
        return;
    auto *arranger =
        parent->findChild<AlignArranger *>(QLatin1String(ArrangerName), Qt::FindDirectChildrenOnly);
    if (!arranger) {
        if (align == alNone)
            return;
        arranger = new AlignArranger(parent);
    }
    arranger->set(control, align);
}

TAlign Align(const QWidget *control) {
    const QVariant value = control->property(AlignProperty);
    return value.isValid() ? static_cast<TAlign>(value.toInt()) : alNone;
}

} // namespace platform
