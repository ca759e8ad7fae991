// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Announcements as notification objects that show and hide, and the factory that gives
// plain widgets their role and label.
#include "platform/Accessibility.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace platform {
namespace {

AnnounceSink *sink = nullptr;

constexpr char RoleProperty[] = "quintaraAccessibleRole";
constexpr char LabelProperty[] = "quintaraAccessibleLabel";

QWidget *LabelOf(const QWidget *widget) {
    return widget->property(LabelProperty).value<QPointer<QWidget>>();
}

// A plain widget with a role of its own, named by a label elsewhere in the window.
class AccessiblePlainWidget : public QAccessibleWidget {
  public:
    AccessiblePlainWidget(QWidget *widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto result = QAccessibleWidget::relations(match);
        QWidget *label = LabelOf(widget());
        if (label && (match & QAccessible::Label)) {
            // Qt finds a label beside the widget itself, not one elsewhere in the window.
            const QPair<QAccessibleInterface *, QAccessible::Relation> relation{
                QAccessible::queryAccessibleInterface(label), QAccessible::Label};
            if (relation.first && !result.contains(relation))
                result.append(relation);
        }
        return result;
    }

    QString text(QAccessible::Text t) const override {
        QString result = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && result.isEmpty() && !widget()->isWindow()) {
            // A labelled panel is known by its label's words too.
            if (const auto *label = qobject_cast<QLabel *>(LabelOf(widget())))
                result = label->text();
        }
        return result;
    }
};

// Only the widget's own class: the widgets' own interfaces stay for everything else.
QAccessibleInterface *PlainWidgetFactory(const QString &className, QObject *object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(RoleProperty);
    if (!role.isValid() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new AccessiblePlainWidget(static_cast<QWidget *>(object),
                                     static_cast<QAccessible::Role>(role.toInt()));
}

void InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(PlainWidgetFactory);
        return true;
    }();
    (void)installed;
}

constexpr char AnnouncementName[] = "quintaraAnnouncement";

// The notification a window speaks through: it shows, empty and without size, whenever
// there is something to say, and its name is what is said.
QWidget *AnnouncementOf(QWidget *window) {
    if (auto *existing = window->findChild<QWidget *>(QLatin1String(AnnouncementName),
                                                      Qt::FindDirectChildrenOnly))
        return existing;
    auto *note = new QWidget(window);
    note->setObjectName(QLatin1String(AnnouncementName));
    note->setGeometry(0, 0, 0, 0);
    note->setAttribute(Qt::WA_TransparentForMouseEvents);
    note->setFocusPolicy(Qt::NoFocus);
    SetAccessibleRole(note, QAccessible::Notification);
    note->hide();
    return note;
}

// Follows assistive technology switching on and off for one widget, as long as it lives.
class TabStopFollower : public QObject, public QAccessible::ActivationObserver {
  public:
    TabStopFollower(QWidget *widget, Qt::FocusPolicy otherwise)
        : QObject(widget), m_widget(widget), m_otherwise(otherwise) {
        QAccessible::installActivationObserver(this);
        accessibilityActiveChanged(QAccessible::isActive());
    }
    ~TabStopFollower() override { QAccessible::removeActivationObserver(this); }

    void accessibilityActiveChanged(bool active) override {
        m_widget->setFocusPolicy(active ? Qt::StrongFocus : m_otherwise);
    }

  private:
    QWidget *m_widget;
    Qt::FocusPolicy m_otherwise;
};

constexpr char WaitingProperty[] = "quintaraWaitingAnnouncement";

void ForgetWaiting(QWidget *window) {
    window->window()->setProperty(WaitingProperty, QVariant());
}

// After the events in hand: the window's own events of the change go out first.
void SayWaitingSoon(QWidget *window) {
    QMetaObject::invokeMethod(
        window,
        [window] {
            const QString text = window->property(WaitingProperty).toString();
            if (!text.isEmpty())
                Announce(window, text);
        },
        Qt::QueuedConnection);
}

// Lets the waiting announcement be said when the window takes the keyboard.
class ActivationWatcher : public QObject {
  public:
    static constexpr char Name[] = "quintaraActivationWatcher";

    explicit ActivationWatcher(QWidget *window) : QObject(window) {
        setObjectName(QLatin1String(Name));
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::WindowActivate)
            SayWaitingSoon(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

void TabStopForAssistiveTechnology(QWidget *widget, Qt::FocusPolicy otherwise) {
    new TabStopFollower(widget, otherwise);
}

void SetAnnounceSink(AnnounceSink *newSink) {
    sink = newSink;
}
AnnounceSink *CurrentAnnounceSink() {
    return sink;
}

void Announce(QWidget *window, const QString &text) {
    if (window)
        ForgetWaiting(window);
    if (sink) {
        sink->announce(window, text);
        return;
    }
    if (!window)
        return;
    QWidget *note = AnnouncementOf(window->window());
    // Screen readers speak a notification when it starts showing, so it shows anew.
    note->hide();
    note->setAccessibleName(text);
    note->show();
}

void AnnounceWhenSettled(QWidget *window, const QString &text) {
    if (!window)
        return;
    QWidget *top = window->window();
    top->setProperty(WaitingProperty, text);
    // Without Q_OBJECT the watcher is found by name, not by class.
    if (!top->findChild<QObject *>(QLatin1String(ActivationWatcher::Name),
                                   Qt::FindDirectChildrenOnly))
        new ActivationWatcher(top);
    if (top->isActiveWindow())
        SayWaitingSoon(top);
}

void EndAnnouncement(QWidget *window) {
    if (!window)
        return;
    ForgetWaiting(window);
    if (auto *note = window->window()->findChild<QWidget *>(QLatin1String(AnnouncementName),
                                                            Qt::FindDirectChildrenOnly))
        note->hide();
}

void SetAccessibleRole(QWidget *widget, QAccessible::Role role, QWidget *labelledBy) {
    InstallFactory();
    widget->setProperty(RoleProperty, static_cast<int>(role));
    widget->setProperty(LabelProperty, QVariant::fromValue(QPointer<QWidget>(labelledBy)));
    if (auto *label = qobject_cast<QLabel *>(labelledBy))
        label->setBuddy(widget);
    // An interface made before the role was known would be kept; let it be made anew.
    QAccessibleInterface *current = QAccessible::queryAccessibleInterface(widget);
    if (current && !dynamic_cast<AccessiblePlainWidget *>(current))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}

} // namespace platform
