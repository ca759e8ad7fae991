// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Anchors, alignment and the shape control as their parent changes size.
#include "platform/AlignAnchors.h"
#include "platform/Shape.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace platform;

namespace {

class LayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        parent = std::make_unique<QWidget>();
        parent->resize(792, 566);
    }
    void showParent() {
        parent->show();
        (void)QTest::qWaitForWindowExposed(parent.get());
    }
    std::unique_ptr<QWidget> parent;
};

TEST_F(LayoutTest, AnchoredControlsKeepTheirDistances) {
    struct Row {
        const char *name;
        TAnchors anchors;
        QRect after; // for a parent going from 792 x 566 to 1024 x 768
    };
    const Row rows[] = {
        {"left top", akLeft | akTop, QRect(674, 520, 100, 33)},
        {"right bottom", akRight | akBottom, QRect(906, 722, 100, 33)},
        {"left top right", akLeft | akTop | akRight, QRect(674, 520, 332, 33)},
        {"left right bottom", akLeft | akRight | akBottom, QRect(674, 722, 332, 33)},
        {"all four", akLeft | akTop | akRight | akBottom, QRect(674, 520, 332, 235)},
        // Neither edge: the centre keeps its share of the extent.
        {"none", {}, QRect(886, 711, 100, 33)},
    };
    showParent();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        parent->resize(792, 566);
        QWidget control(parent.get());
        control.setGeometry(674, 520, 100, 33);
        SetAnchors(&control, row.anchors);
        EXPECT_EQ(Anchors(&control), row.anchors);
        parent->resize(1024, 768);
        EXPECT_EQ(control.geometry(), row.after);
        parent->resize(792, 566);
        EXPECT_EQ(control.geometry(), QRect(674, 520, 100, 33));
    }
}

TEST_F(LayoutTest, AnchorsApplyWhenAHiddenParentIsShown) {
    QWidget control(parent.get());
    control.setGeometry(674, 520, 100, 33);
    SetAnchors(&control, akRight | akBottom);
    parent->resize(1024, 768);
    showParent();
    EXPECT_EQ(control.geometry(), QRect(906, 722, 100, 33));
}

TEST_F(LayoutTest, MovingAnAnchoredControlSetsNewDistances) {
    showParent();
    QWidget control(parent.get());
    control.setGeometry(674, 520, 100, 33);
    control.show();
    SetAnchors(&control, akRight | akBottom);
    control.move(600, 500);
    parent->resize(892, 666);
    EXPECT_EQ(control.geometry(), QRect(700, 600, 100, 33));
}

TEST_F(LayoutTest, ControlsWithoutAnchorsSetAreAnchoredLeftTop) {
    QWidget control(parent.get());
    EXPECT_EQ(Anchors(&control), akLeft | akTop);
}

TEST_F(LayoutTest, AlignedControlsShareTheParent) {
    parent->resize(100, 50);
    QWidget top(parent.get()), bottom(parent.get()), left(parent.get()), right(parent.get()),
        client(parent.get());
    top.resize(7, 1);
    bottom.resize(7, 2);
    left.resize(3, 7);
    right.resize(4, 7);
    SetAlign(&client, alClient);
    SetAlign(&right, alRight);
    SetAlign(&left, alLeft);
    SetAlign(&bottom, alBottom);
    SetAlign(&top, alTop);
    EXPECT_EQ(Align(&top), alTop);
    EXPECT_EQ(top.geometry(), QRect(0, 0, 100, 1));
    EXPECT_EQ(bottom.geometry(), QRect(0, 48, 100, 2));
    EXPECT_EQ(left.geometry(), QRect(0, 1, 3, 47));
    EXPECT_EQ(right.geometry(), QRect(96, 1, 4, 47));
    EXPECT_EQ(client.geometry(), QRect(3, 1, 93, 47));
    showParent();
    parent->resize(200, 80);
    EXPECT_EQ(bottom.geometry(), QRect(0, 78, 200, 2));
    EXPECT_EQ(right.geometry(), QRect(196, 1, 4, 77));
    EXPECT_EQ(client.geometry(), QRect(3, 1, 193, 77));
    // A hidden control takes no room.
    top.hide();
    EXPECT_EQ(client.geometry(), QRect(3, 0, 193, 78));
    SetAlign(&left, alNone);
    EXPECT_EQ(client.geometry(), QRect(0, 0, 196, 78));
}

TEST_F(LayoutTest, ShapeDrawsItsPenRingAndBrush) {
    parent->resize(40, 40);
    QPalette red = parent->palette();
    red.setColor(QPalette::Window, Qt::red);
    parent->setPalette(red);
    parent->setAutoFillBackground(true);
    TShape shape(parent.get());
    shape.setGeometry(5, 5, 10, 6);
    shape.setPenColor(clWhite);
    shape.setBrushColor(clBlack);
    TShape line(parent.get());
    line.setGeometry(0, 30, 40, 1);
    line.setPenColor(clWhite);
    TShape hollow(parent.get());
    hollow.setGeometry(20, 5, 10, 10);
    hollow.setPenWidth(2);
    hollow.setBrushStyle(bsClear);
    showParent();
    const QImage image = parent->grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(14, 10), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(6, 6), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(13, 9), QColor(Qt::black));
    for (int x : {0, 20, 39})
        EXPECT_EQ(image.pixelColor(x, 30), QColor(Qt::white)) << x;
    EXPECT_EQ(image.pixelColor(0, 31), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(21, 6), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(22, 7), QColor(Qt::red));
}

} // namespace
