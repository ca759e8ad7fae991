// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A modal loop that ends when its window is closed, not when it is merely hidden.
#include "platform/ModalForm.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace platform {
namespace {

// Watches the window's close events; once a close has been carried out (the window is
// hidden right after an accepted close), the loop ends.
class CloseWatcher : public QObject {
  public:
    CloseWatcher(QWidget *window, QEventLoop *loop) : m_window(window), m_loop(loop) {
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, loop, &QEventLoop::quit);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == m_window && event->type() == QEvent::Close) {
            // The close event can still be refused: judge once it has been handled.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!m_window || !m_window->isVisible())
                        m_loop->quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    QPointer<QWidget> m_window;
    QEventLoop *m_loop;
};

} // namespace

void ShowModal(QWidget *window) {
    if (!window)
        return;
    QPointer<QWidget> guard(window);
    QEventLoop loop;
    CloseWatcher watcher(window, &loop);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    if (guard && guard->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->removeEventFilter(&watcher);
}

} // namespace platform
