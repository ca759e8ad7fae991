// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The modal loop: it survives a border change and ends only when its window closes.
#include "platform/ModalForm.h"

#include <QCloseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform;

namespace {

// A window that refuses the first close when asked to.
class Window : public QWidget {
  public:
    bool refuseOnce = false;

  protected:
    void closeEvent(QCloseEvent *event) override {
        if (refuseOnce) {
            refuseOnce = false;
            event->ignore();
            return;
        }
        event->accept();
    }
};

TEST(ShowModal, SurvivesABorderChangeAndEndsAtTheClose) {
    Window window;
    std::vector<std::string> steps;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(window.isModal());
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        steps.push_back(window.isVisible() ? "switched, visible" : "switched, hidden");
        window.show();
        QTimer::singleShot(0, [&] {
            steps.push_back("still running");
            window.setWindowFlags(Qt::Window);
            window.show();
            QTimer::singleShot(0, [&] {
                steps.push_back("closing");
                window.close();
            });
        });
    });
    ShowModal(&window);
    steps.push_back("returned");
    EXPECT_EQ(steps, (std::vector<std::string>{"switched, hidden", "still running", "closing",
                                               "returned"}));
    EXPECT_FALSE(window.isVisible());
}

TEST(ShowModal, RefusedCloseKeepsTheLoop) {
    Window window;
    window.refuseOnce = true;
    int closes = 0;
    QTimer::singleShot(0, [&] {
        ++closes;
        window.close();
        QTimer::singleShot(0, [&] {
            ++closes;
            EXPECT_TRUE(window.isVisible());
            window.close();
        });
    });
    ShowModal(&window);
    EXPECT_EQ(closes, 2);
}

TEST(ShowModal, EndsWhenTheWindowIsDestroyed) {
    QPointer<QWidget> window = new QWidget;
    QTimer::singleShot(0, [&] { delete window.data(); });
    ShowModal(window);
    EXPECT_TRUE(window.isNull());
}

TEST(ShowModal, WindowCanBeShownModallyAgain) {
    Window window;
    for (int round = 0; round < 2; ++round) {
        QTimer::singleShot(0, [&] { window.close(); });
        ShowModal(&window);
        EXPECT_FALSE(window.isVisible());
    }
}

} // namespace
