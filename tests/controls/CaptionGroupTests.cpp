// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The caption panel and the caption group: the dark title bar, its text and its upkeep;
// the own controls' enumerated properties.
#include "controls/CaptionGroup.h"
#include "controls/FlatButton.h"
#include "controls/PanelCaption.h"

#include "WidgetProbe.h"

#include <QLineEdit>
#include <QMetaEnum>
#include <QMetaProperty>
#include <gtest/gtest.h>
#include <memory>

using namespace controls;
using platform::TColor;

namespace {

TColor Grey(int level) {
    return platform::RGBColor(level, level, level);
}

class CaptionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(400, 300);
        ExposeWindow(window.get());
    }
    std::unique_ptr<QWidget> window;
};

TEST_F(CaptionTest, PanelIsA23PixelBandWithABlackOutline) {
    TPanelCaption panel(window.get());
    panel.setGeometry(0, 0, 120, panel.height());
    panel.show();
    EXPECT_EQ(panel.height(), 23);
    EXPECT_EQ(panel.Band()->geometry(), QRect(0, 0, 120, 23));
    const QImage image = Snapshot(&panel);
    const int rows[] = {0,  3,  6,  9,  12, 15, 18, 21, 24, 27, 30, 33,
                        35, 38, 41, 44, 47, 50, 53, 56, 59, 62, 65};
    for (int y = 1; y < 22; ++y) {
        EXPECT_EQ(PixelAt(image, 1, y), Grey(rows[y])) << "row " << y;
        EXPECT_EQ(PixelAt(image, 118, y), Grey(rows[y])) << "row " << y;
        EXPECT_EQ(PixelAt(image, 0, y), platform::clBlack) << "row " << y;
        EXPECT_EQ(PixelAt(image, 119, y), platform::clBlack) << "row " << y;
    }
    for (int x = 0; x < 120; x += 7) {
        EXPECT_EQ(PixelAt(image, x, 0), platform::clBlack) << "column " << x;
        EXPECT_EQ(PixelAt(image, x, 22), platform::clBlack) << "column " << x;
    }
}

TEST_F(CaptionTest, PanelSwitchesItsFrameOffAtThePaint) {
    TPanelCaption panel(window.get());
    panel.show();
    panel.setBevelOuter(bvRaised);
    panel.setBevelInner(bvLowered);
    panel.setBorderStyle(bsSingle);
    EXPECT_EQ(panel.BevelOuter(), bvRaised);
    (void)Snapshot(&panel);
    EXPECT_EQ(panel.BevelOuter(), bvNone);
    EXPECT_EQ(panel.BevelInner(), bvNone);
    EXPECT_EQ(panel.BorderStyle(), bsNone);
}

TEST_F(CaptionTest, PanelTextReachesTheBandOnlyWhenItChanges) {
    TPanelCaption panel(window.get());
    panel.show();
    PaintCounter paints(panel.Band());
    panel.setCaptionText(QStringLiteral("Title"));
    EXPECT_EQ(panel.Band()->Caption(), QStringLiteral("Title"));
    EXPECT_EQ(paints.count, 1);
    panel.setCaptionText(QStringLiteral("Title"));
    EXPECT_EQ(paints.count, 1);
}

TEST_F(CaptionTest, NewGroupShowsAnEmptyDarkBarAcrossItsTop) {
    TCaptionGroup group(window.get());
    group.setGeometry(10, 10, 217, 193);
    group.show();
    const QImage image = Snapshot(&group);
    EXPECT_EQ(group.CaptionPanel()->geometry(), QRect(0, 0, 217, 23));
    EXPECT_TRUE(group.Caption().isEmpty());
    EXPECT_EQ(group.BevelInner(), bvRaised);
    EXPECT_EQ(group.BevelOuter(), bvLowered);
    for (int y = 1; y < 22; ++y)
        for (int x = 1; x < 216; x += 5)
            ASSERT_LE(platform::RedOf(PixelAt(image, x, y)), 65) << x << "," << y;
    EXPECT_EQ(PixelAt(image, 216, 22), platform::clBlack);
}

TEST_F(CaptionTest, GroupTitleShowsInWhiteAtTwelvePixels) {
    TCaptionGroup group(window.get());
    group.setGeometry(10, 10, 217, 193);
    group.setCaptionText(QStringLiteral("Settings"));
    group.show();
    EXPECT_EQ(group.CaptionPanel()->CaptionText(), QStringLiteral("Settings"));
    const QImage image = Snapshot(&group);
    // The title's ink: pixels clearly lighter than the band's darkest grey.
    QRect ink;
    for (int y = 1; y < 22; ++y)
        for (int x = 1; x < 216; ++x)
            if (platform::RedOf(PixelAt(image, x, y)) > 120)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 12);
    EXPECT_LE(ink.left(), 14);
    EXPECT_LE(std::abs(ink.center().y() - 11), 3);
}

TEST_F(CaptionTest, GroupTitleBarIsTheDarkBandPixelForPixel) {
    TCaptionGroup group(window.get());
    group.setGeometry(10, 10, 217, 193);
    group.setCaptionText(QStringLiteral("Settings"));
    group.show();
    // The band as the title bar sets it up, on its own.
    TGradientControl band(window.get());
    band.setGeometry(0, 220, 217, 23);
    band.setColor2(0x00444444);
    band.setFontName(QStringLiteral("Tahoma"));
    band.setFontSize(10);
    band.setFontColor(platform::clWhite);
    band.setBorderWidth(1);
    band.setGradientDirection(gdVertical);
    band.setCaption(QStringLiteral("Settings"));
    band.show();
    const QImage bar = Snapshot(&group).copy(0, 0, 217, 23);
    EXPECT_EQ(DifferingPixels(bar, Snapshot(&band)), 0);
}

TEST_F(CaptionTest, GroupTitleTextRepaintsTheBarOnlyWhenItChanges) {
    TCaptionGroup group(window.get());
    group.setGeometry(10, 10, 217, 193);
    group.setCaptionText(QStringLiteral("Settings"));
    group.show();
    PaintCounter paints(group.CaptionPanel()->Band());
    group.setCaptionText(QStringLiteral("Settings"));
    EXPECT_EQ(paints.count, 0);
    group.setCaptionText(QStringLiteral("Options"));
    EXPECT_EQ(paints.count, 1);
    EXPECT_EQ(group.CaptionPanel()->Band()->Caption(), QStringLiteral("Options"));
}

TEST_F(CaptionTest, GroupKeyDownIsTheGroupsOwnKeysOnly) {
    TCaptionGroup group(window.get());
    group.setGeometry(10, 10, 217, 193);
    auto *child = new QLineEdit(&group);
    child->setGeometry(10, 40, 80, 22);
    std::vector<int> keys;
    QObject::connect(&group, &TCaptionGroup::OnKeyDown,
                     [&](int &key, Qt::KeyboardModifiers) { keys.push_back(key); });
    group.show();
    ActivateWindow(window.get());
    child->setFocus();
    ASSERT_TRUE(child->hasFocus());
    // A key the child leaves alone goes on to the window, not to the group's handler.
    QTest::keyClick(child, Qt::Key_F5);
    EXPECT_TRUE(keys.empty());
    // A group box hands its focus on to a child that takes it; with none it keeps it.
    delete child;
    group.setTabStop(true);
    group.setFocus();
    ASSERT_TRUE(group.hasFocus());
    QTest::keyClick(&group, Qt::Key_F5);
    EXPECT_EQ(keys, std::vector<int>{Qt::Key_F5});
}

TEST_F(CaptionTest, AMousePressReachesOneControlOnly) {
    TCaptionGroup group(window.get());
    group.setGeometry(10, 10, 217, 193);
    group.show();
    std::vector<std::string> presses;
    QObject::connect(group.CaptionPanel(), &TPanelCaption::OnMouseDown,
                     [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                         presses.push_back("bar " + std::to_string(x) + "," + std::to_string(y));
                     });
    QObject::connect(&group, &TCaptionGroup::OnMouseDown,
                     [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                         presses.push_back("group " + std::to_string(x) + "," + std::to_string(y));
                     });
    QTest::mouseClick(group.CaptionPanel()->Band(), Qt::LeftButton, {}, QPoint(30, 10));
    QTest::mouseClick(&group, Qt::LeftButton, {}, QPoint(30, 100));
    EXPECT_EQ(presses, (std::vector<std::string>{"bar 30,10", "group 30,100"}));
}

TEST_F(CaptionTest, GroupBarFollowsTheWidthAtTheNextPaint) {
    TCaptionGroup group(window.get());
    group.setGeometry(10, 10, 217, 193);
    group.show();
    group.resize(300, 193);
    (void)Snapshot(&group);
    EXPECT_EQ(group.CaptionPanel()->geometry(), QRect(0, 0, 300, 23));
    const QImage image = Snapshot(&group);
    EXPECT_EQ(PixelAt(image, 299, 10), platform::clBlack);
    EXPECT_EQ(PixelAt(image, 298, 10), Grey(30));
}

TEST_F(CaptionTest, GroupOwnCaptionIsClearedAtThePaint) {
    TCaptionGroup group(window.get());
    group.setGeometry(10, 10, 217, 193);
    group.setCaptionText(QStringLiteral("Settings"));
    group.show();
    const QImage before = Snapshot(&group);
    group.setCaption(QStringLiteral("Intruder"));
    const QImage after = Snapshot(&group);
    EXPECT_TRUE(group.Caption().isEmpty());
    EXPECT_EQ(after.copy(0, 0, 217, 23), before.copy(0, 0, 217, 23));
}

TEST_F(CaptionTest, SettledGroupPaintsNoFurtherPaints) {
    TCaptionGroup group(window.get());
    group.setGeometry(10, 10, 217, 193);
    group.setCaptionText(QStringLiteral("Settings"));
    group.show();
    (void)Snapshot(&group);
    QApplication::processEvents();
    PaintCounter paints(group.CaptionPanel()->Band());
    group.setCaptionText(QStringLiteral("Settings"));
    group.repaint();
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 1);
}

} // namespace

namespace {

TEST_F(CaptionTest, GroupFrameRunsUnderTheFullWidthOfTheTitleBar) {
    TCaptionGroup group(window.get());
    group.setGeometry(16, 8, 217, 193);
    group.setCaptionText(QStringLiteral("Settings"));
    group.show();
    const QImage image = Snapshot(&group);
    const TColor background = platform::FromQColor(group.palette().color(QPalette::Window));
    const QRect frame = InkBox(image, QRect(0, 23, 217, 170), background);
    EXPECT_EQ(frame.left(), 0);
    EXPECT_EQ(frame.right(), 216);
    EXPECT_EQ(frame.bottom(), 192);
    // The bar covers the top 23 rows over the full width, frame included.
    EXPECT_EQ(group.CaptionPanel()->geometry(), QRect(0, 0, 217, 23));
}

} // namespace

namespace {

// Enumerated properties are set by their value names, as a form description gives them.
TEST(ControlProperties, EnumeratedPropertiesTakeTheirValueNames) {
    QWidget parent;
    TGradientControl band(&parent);
    TPanelCaption panel(&parent);
    TCaptionGroup group(&parent);
    TFlatButton button(&parent);
    struct Row {
        QObject *control;
        const char *property;
        const char *value;
    };
    const Row rows[] = {
        {&band, "GradientDirection", "gdVertical"},  {&band, "Align", "alBottom"},
        {&band, "Anchors", "akRight|akBottom"},      {&panel, "BevelOuter", "bvLowered"},
        {&panel, "BorderStyle", "bsSingle"},         {&group, "BevelInner", "bvSpace"},
        {&group, "Anchors", "akLeft|akTop|akRight"}, {&button, "Align", "alClient"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.property) + " = " + row.value);
        const QMetaObject *meta = row.control->metaObject();
        const QMetaProperty property = meta->property(meta->indexOfProperty(row.property));
        ASSERT_TRUE(property.isEnumType());
        ASSERT_TRUE(row.control->setProperty(row.property, QString::fromLatin1(row.value)));
        const QMetaEnum enumerator = property.enumerator();
        const int value = row.control->property(row.property).toInt();
        EXPECT_EQ(enumerator.isFlag() ? enumerator.valueToKeys(value).toStdString()
                                      : std::string(enumerator.valueToKey(value)),
                  row.value);
    }
    EXPECT_EQ(band.GradientDirection(), gdVertical);
    EXPECT_EQ(button.Align(), platform::alClient);
}

} // namespace
