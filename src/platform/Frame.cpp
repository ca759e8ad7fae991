// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Outer placement of top-level windows, re-applied when the window manager's border arrives.
#include "platform/Frame.h"

#include "platform/Screen.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <functional>

#ifdef QUINTARA_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace platform {
namespace {

QMargins KnownMargins(const QWidget *window) {
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// A window manager reads a window's states when the window is mapped. One that had not yet
// carried out the last change of state (the leaving of full screen, say) when the window was
// hidden leaves the old states on it, and Qt adds its own to that list instead of replacing
// it, so the window would come back full screen with Qt believing otherwise. The hidden
// window's list is cleared; showing it writes Qt's states afresh.
void ForgetWindowManagerStates(QWidget *window) {
#ifdef QUINTARA_HAVE_XCB
    // Only the X11 window system has such a list; other platforms may still answer for X11.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->windowHandle() ||
        window->isVisible())
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *const connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    static constexpr char kName[] = "_NET_WM_STATE";
    xcb_intern_atom_reply_t *const atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof kName - 1, kName), nullptr);
    if (!atom)
        return;
    if (atom->atom != XCB_ATOM_NONE)
        xcb_delete_property(connection, static_cast<xcb_window_t>(window->winId()), atom->atom);
    std::free(atom);
#else
    (void)window;
#endif
}

bool Frameless(const QWidget *window) {
    return window->windowFlags().testFlag(Qt::FramelessWindowHint) ||
           window->windowState().testFlag(Qt::WindowFullScreen);
}

// Applies a placement with the current border and again whenever the border changes.
class Placer : public QObject {
  public:
    Placer(QWidget *window, std::function<void(QMargins)> apply)
        : QObject(window), m_window(window), m_apply(std::move(apply)) {
        setObjectName(QStringLiteral("platform::Placer"));
        window->installEventFilter(this);
        Apply();
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Hide:
            deleteLater();
            m_window->removeEventFilter(this);
            break;
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::WindowStateChange:
            // Not from inside the event: the border is re-read once the event is done.
            if (FrameMargins(m_window) != m_applied)
                QMetaObject::invokeMethod(this, &Placer::Apply, Qt::QueuedConnection);
            break;
        default:
            break;
        }
        return false;
    }

  private:
    void Apply() {
        if (!m_window)
            return;
        m_applied = FrameMargins(m_window);
        m_apply(m_applied);
    }

    QPointer<QWidget> m_window;
    std::function<void(QMargins)> m_apply;
    QMargins m_applied;
};

void Place(QWidget *window, std::function<void(QMargins)> apply) {
    StopPlacing(window);
    new Placer(window, std::move(apply));
}

} // namespace

QMargins FrameMargins(const QWidget *window) {
    if (Frameless(window))
        return {};
    const QMargins known = KnownMargins(window);
    const QWindow *handle = window->windowHandle();
    if (!known.isNull() || (handle && handle->isExposed()))
        return known;
    // Not framed yet: windows of one program get the same border.
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && !Frameless(other)) {
            const QMargins margins = KnownMargins(other);
            if (!margins.isNull())
                return margins;
        }
    }
    return {};
}

void SetOuterGeometry(QWidget *window, const QRect &outer, const QSize &minimumOuter) {
    Place(window, [window, outer, minimumOuter](QMargins border) {
        window->setMinimumSize(minimumOuter.shrunkBy(border));
        const QRect client = outer.marginsRemoved(border);
        if (window->geometry() != client)
            window->setGeometry(client);
    });
}

void CentreOnScreen(QWidget *window) {
    Place(window, [window](QMargins border) {
        const QSize outer = window->size().grownBy(border);
        const QPoint topLeft((ScreenWidth() - outer.width()) / 2,
                             (ScreenHeight() - outer.height()) / 2);
        const QPoint client = topLeft + QPoint(border.left(), border.top());
        if (window->geometry().topLeft() != client)
            window->setGeometry(QRect(client, window->size()));
    });
}

void StopPlacing(QWidget *window) {
    const auto placers = window->findChildren<QObject *>(QStringLiteral("platform::Placer"),
                                                         Qt::FindDirectChildrenOnly);
    for (QObject *placer : placers) {
        window->removeEventFilter(placer);
        delete placer;
    }
}

void ShowAgain(QWidget *window, QWidget *focused) {
    const bool hadKeyboard =
        window->windowHandle() && QGuiApplication::focusWindow() == window->windowHandle();
    ForgetWindowManagerStates(window);
    window->show();
    if (!hadKeyboard)
        return;
    // Hiding the window made Qt forget that it was active, but the window system hands it
    // the focus straight back, which Qt takes for no change: without this, the focused
    // control would neither show its focus nor get the keys.
    QApplication::setActiveWindow(window);
    window->activateWindow();
    if (focused && window->isAncestorOf(focused))
        focused->setFocus(Qt::OtherFocusReason);
}

} // namespace platform
