// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology finds: announcements as notifications that show anew, and the
// roles and labels of plain widgets, seen through Qt's accessibility interfaces.
#include "platform/Accessibility.h"

#include "MessageRecorder.h"

#include <QAccessibleInterface>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// Counts the times a widget shows and hides.
class ShowCounter : public QObject {
  public:
    int shows = 0;
    int hides = 0;

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        shows += event->type() == QEvent::Show;
        hides += event->type() == QEvent::Hide;
        return false;
    }
};

TEST(Announce, GoesToTheInstalledSink) {
    MessageRecorder recorder;
    QWidget window;
    Announce(&window, QStringLiteral("Wrong."));
    ASSERT_EQ(recorder.announcements.size(), 1u);
    EXPECT_EQ(recorder.announcements[0], QStringLiteral("Wrong."));
    EXPECT_EQ(recorder.announcedBy[0], &window);
}

TEST(Announce, EachAnnouncementIsANotificationThatShowsAnewWithNothingToSee) {
    QWidget window;
    window.resize(200, 100);
    auto *child = new QWidget(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage before = window.grab().toImage();

    Announce(child, QStringLiteral("Sequence: 1, 2, 3, 4."));
    // One notification per window, a child of the window itself.
    const auto children = window.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(children.size(), 2);
    QWidget *note = children[0] == child ? children[1] : children[0];
    QAccessibleInterface *noteInterface = QAccessible::queryAccessibleInterface(note);
    ASSERT_NE(noteInterface, nullptr);
    EXPECT_EQ(noteInterface->role(), QAccessible::Notification);
    EXPECT_EQ(noteInterface->text(QAccessible::Name), QStringLiteral("Sequence: 1, 2, 3, 4."));
    EXPECT_TRUE(note->isVisible());

    // Screen readers speak it as it starts to show: every announcement, the same words too.
    ShowCounter counter;
    note->installEventFilter(&counter);
    Announce(&window, QStringLiteral("Wrong."));
    Announce(&window, QStringLiteral("Wrong."));
    EXPECT_EQ(counter.shows, 2);
    EXPECT_EQ(counter.hides, 2);
    EXPECT_EQ(noteInterface->text(QAccessible::Name), QStringLiteral("Wrong."));
    EXPECT_EQ(window.findChildren<QWidget *>().size(), 2);

    EXPECT_TRUE(note->size().isEmpty());
    EXPECT_EQ(note->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(note->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(window.grab().toImage(), before);
}

TEST(AccessibleRole, APlainWindowOrPanelTakesItsRoleAndItsLabel) {
    QWidget window;
    SetAccessibleRole(&window, QAccessible::Window);
    window.setWindowTitle(QStringLiteral("Quintara"));
    auto *label = new QLabel(QStringLiteral("Current sequence:"), &window);
    auto *row = new QWidget(&window);
    SetAccessibleRole(row, QAccessible::Grouping, label);
    window.show();

    QAccessibleInterface *windowInterface = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(windowInterface, nullptr);
    EXPECT_EQ(windowInterface->role(), QAccessible::Window);
    EXPECT_EQ(windowInterface->text(QAccessible::Name), QStringLiteral("Quintara"));

    QAccessibleInterface *rowInterface = QAccessible::queryAccessibleInterface(row);
    QAccessibleInterface *labelInterface = QAccessible::queryAccessibleInterface(label);
    ASSERT_NE(rowInterface, nullptr);
    EXPECT_EQ(rowInterface->role(), QAccessible::Grouping);
    EXPECT_EQ(rowInterface->text(QAccessible::Name), QStringLiteral("Current sequence:"));
    const auto labelledBy = rowInterface->relations(QAccessible::Label);
    ASSERT_EQ(labelledBy.size(), 1);
    EXPECT_EQ(labelledBy[0].first, labelInterface);
    const auto labels = labelInterface->relations(QAccessible::Labelled);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first, rowInterface);
}

TEST(AccessibleRole, ARoleGivenAfterTheWidgetWasSeenStillHolds) {
    QWidget window;
    auto *row = new QWidget(&window);
    window.show();
    ASSERT_EQ(QAccessible::queryAccessibleInterface(row)->role(), QAccessible::Client);
    SetAccessibleRole(row, QAccessible::Grouping);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(row)->role(), QAccessible::Grouping);
}

} // namespace
