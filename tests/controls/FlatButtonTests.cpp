// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The flat button: its looks, keys, mouse handling, focus and repaints.
#include "controls/FlatButton.h"

#include "WidgetProbe.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace controls;
using platform::TColor;

namespace {

TEST(ContrastColor, JudgesTheMeanOfTheThreeLowBytes) {
    struct Row {
        TColor fill;
        TColor expected;
    };
    // The looks table below covers the 127/128 greys, red and cyan through the widget.
    const Row rows[] = {
        {0x0080807F, platform::clWhite}, // 383 / 3 = 127 with the remainder dropped
        {0x00818080, platform::clBlack},
        {0x12000000, platform::clWhite}, // only the low three bytes count
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(QString::number(row.fill, 16).toStdString());
        EXPECT_EQ(ContrastColor(row.fill), row.expected);
    }
}

TEST(ContrastColor, ResolvesASystemColourBeforeJudging) {
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Base, QColor(10, 10, 10));
    QApplication::setPalette(dark);
    EXPECT_EQ(ContrastColor(platform::clWindow), platform::clWhite);
    QPalette light = saved;
    light.setColor(QPalette::Base, QColor(250, 250, 250));
    QApplication::setPalette(light);
    EXPECT_EQ(ContrastColor(platform::clWindow), platform::clBlack);
    QApplication::setPalette(saved);
}

// A window with the button and a line edit to take the focus elsewhere.
class FlatButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(200, 100);
        QPalette black = window->palette();
        black.setColor(QPalette::Window, Qt::black);
        window->setPalette(black);
        other = new QLineEdit(window.get());
        other->setGeometry(120, 10, 60, 20);
        button = new TFlatButton(window.get());
        button->setGeometry(10, 10, 52, 39);
        button->setCaption(QStringLiteral("OK"));
        ActivateWindow(window.get());
        other->setFocus();
    }

    // Gives the focus to the button, or away from it to the line edit.
    void FocusButton(bool focused) {
        if (focused)
            button->setFocus();
        else
            other->setFocus();
        ASSERT_EQ(button->hasFocus(), focused);
    }

    std::unique_ptr<QWidget> window;
    QLineEdit *other = nullptr;
    TFlatButton *button = nullptr;
};

TEST_F(FlatButtonTest, LooksFollowDownFocusAndColour) {
    struct Row {
        const char *name;
        bool down;
        bool focused;
        TColor color; // 0xFFFFFFFF: the parent's
        TColor fill;
        TColor outline;
    };
    const Row rows[] = {
        {"normal on black parent", false, false, 0xFFFFFFFF, platform::clBlack, platform::clWhite},
        {"normal silver", false, false, platform::clSilver, platform::clSilver, platform::clBlack},
        {"focused", false, true, platform::clSilver, FlatButtonFocusColor, platform::clWhite},
        {"down", true, false, platform::clBlack, FlatButtonDownColor, platform::clBlack},
        {"down and focused", true, true, platform::clBlack, FlatButtonDownColor, platform::clBlack},
        {"grey 127", false, false, 0x007F7F7F, 0x007F7F7F, platform::clWhite},
        {"grey 128", false, false, 0x00808080, 0x00808080, platform::clBlack},
        {"pure red", false, false, 0x000000FF, 0x000000FF, platform::clWhite},
        {"cyan", false, false, 0x00FFFF00, 0x00FFFF00, platform::clBlack},
    };
    button->setCaption(QString());
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.color == 0xFFFFFFFF)
            button->setParentColor(true);
        else
            button->setColor(row.color);
        button->setDown(row.down);
        ASSERT_NO_FATAL_FAILURE(FocusButton(row.focused));
        const QImage image = Snapshot(button);
        EXPECT_EQ(PixelAt(image, 0, 0), row.outline);
        EXPECT_EQ(PixelAt(image, 51, 38), row.outline);
        EXPECT_EQ(PixelAt(image, 25, 0), row.outline);
        EXPECT_EQ(PixelAt(image, 0, 20), row.outline);
        EXPECT_EQ(PixelAt(image, 1, 1), row.fill);
        EXPECT_EQ(PixelAt(image, 50, 37), row.fill);
        // The focus rectangle inverts every other pixel of the frame (4,4)-(46,33).
        const TColor inverted = row.fill ^ 0x00FFFFFF;
        EXPECT_EQ(PixelAt(image, 4, 4), row.focused ? inverted : row.fill);
        EXPECT_EQ(PixelAt(image, 5, 4), row.fill);
        EXPECT_EQ(PixelAt(image, 46, 32), row.focused ? inverted : row.fill);
        EXPECT_EQ(PixelAt(image, 46, 34), row.fill);
        EXPECT_EQ(PixelAt(image, 47, 33), row.fill);
        EXPECT_EQ(PixelAt(image, 10, 10), row.fill);
    }
}

TEST_F(FlatButtonTest, CaptionIsCentredInTheContrastColour) {
    const QImage image = Snapshot(button);
    const QRect ink = InkBox(image, QRect(1, 1, 50, 37), platform::clBlack);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(std::abs(ink.left() - (51 - ink.right())), 3);
    EXPECT_LE(std::abs(ink.top() - (38 - ink.bottom())), 6);
}

// Every pixel of a painted button: the outline in the contrast colour, the fill inside,
// the caption's cell at (W div 2 - width div 2, H div 2 - height div 2) filled and written in
// the contrast colour, and, when focused, every other pixel of (4,4)-(W-5,H-5) inverted.
QImage ExpectedButton(QSize size, TColor fill, const QFont &font, const QString &caption,
                      bool focused) {
    const TColor contrast = ContrastColor(fill);
    const int w = size.width();
    const int h = size.height();
    QImage image(size, QImage::Format_RGB32);
    image.fill(platform::ToQColor(contrast));
    {
        QPainter painter(&image);
        painter.fillRect(QRect(1, 1, w - 2, h - 2), platform::ToQColor(fill));
        if (!caption.isEmpty()) {
            const QFontMetrics metrics(font);
            const int tw = metrics.horizontalAdvance(caption);
            const int th = metrics.height();
            const int x = w / 2 - tw / 2;
            const int y = h / 2 - th / 2;
            painter.fillRect(QRect(x, y, tw, th), platform::ToQColor(fill));
            painter.setFont(font);
            painter.setPen(platform::ToQColor(contrast));
            painter.drawText(QPoint(x, y + metrics.ascent()), caption);
        }
    }
    if (focused) {
        const int right = w - 5; // exclusive
        const int bottom = h - 5;
        for (int y = 4; y < bottom; ++y)
            for (int x = 4; x < right; ++x) {
                const bool onFrame = y == 4 || y == bottom - 1 || x == 4 || x == right - 1;
                if (onFrame && (x + y) % 2 == 0)
                    image.setPixel(x, y, image.pixel(x, y) ^ 0x00FFFFFFu);
            }
    }
    return image;
}

TEST_F(FlatButtonTest, PaintsEveryPixelByTheRules) {
    struct Row {
        const char *name;
        QSize size;
        const char *caption;
        bool down;
        bool focused;
        TColor color;
    };
    // Odd and even sizes, so that a halving after the subtraction shows up as a shift.
    const Row rows[] = {
        {"OK, normal", QSize(52, 39), "OK", false, false, platform::clBlack},
        {"OK, focused", QSize(52, 39), "OK", false, true, platform::clBlack},
        {"Exit, normal", QSize(100, 33), "Exit", false, false, platform::clSilver},
        {"Exit, focused", QSize(100, 33), "Exit", false, true, platform::clSilver},
        {"odd size, down and focused", QSize(53, 40), "Ok!", true, true, platform::clSilver},
        {"odd width", QSize(61, 30), "W", false, false, 0x00336699},
        {"odd height", QSize(60, 31), "iii", false, true, 0x00CCDDEE},
        {"literal ampersand", QSize(70, 25), "&Go", false, false, platform::clSilver},
        {"focus frame one pixel wide", QSize(10, 20), "", false, true, platform::clSilver},
        {"focus frame empty", QSize(9, 9), "", false, true, platform::clSilver},
        {"two pixels", QSize(2, 2), "", false, false, platform::clSilver},
    };
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    font.setBold(true);
    button->setFont(font);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        button->resize(row.size);
        button->setCaption(QString::fromLatin1(row.caption));
        button->setColor(row.color);
        button->setDown(row.down);
        ASSERT_NO_FATAL_FAILURE(FocusButton(row.focused));
        const TColor fill = FlatButtonFill(row.down, row.focused, row.color);
        const QImage expected =
            ExpectedButton(row.size, fill, font, button->Caption(), row.focused);
        EXPECT_EQ(DifferingPixels(Snapshot(button), expected), 0);
    }
}

TEST_F(FlatButtonTest, WideCaptionIsClippedAndItsCellCoversTheOutline) {
    button->setGeometry(10, 10, 20, 39);
    button->setCaption(QStringLiteral("A caption far wider than the button"));
    const QImage image = Snapshot(button);
    EXPECT_EQ(PixelAt(image, 0, 0), platform::clWhite);
    EXPECT_EQ(PixelAt(image, 19, 38), platform::clWhite);
    // The opaque text cell runs across both side edges at the caption's height.
    bool leftBroken = false;
    bool rightBroken = false;
    for (int y = 1; y < 38; ++y) {
        leftBroken |= PixelAt(image, 0, y) != platform::clWhite;
        rightBroken |= PixelAt(image, 19, y) != platform::clWhite;
    }
    EXPECT_TRUE(leftBroken);
    EXPECT_TRUE(rightBroken);
}

TEST_F(FlatButtonTest, SettersRepaintAtOnceAndOnlyOnChange) {
    PaintCounter paints(button);
    button->setDown(true);
    EXPECT_EQ(paints.count, 1);
    button->setDown(true);
    EXPECT_EQ(paints.count, 1);
    button->setCaption(QStringLiteral("Exit"));
    EXPECT_EQ(paints.count, 2);
    EXPECT_EQ(button->windowTitle(), QStringLiteral("Exit"));
    button->setCaption(QStringLiteral("Exit"));
    EXPECT_EQ(paints.count, 2);
    button->setDown(false);
    EXPECT_EQ(paints.count, 3);
    // Focus coming and going repaints at once too.
    button->setFocus();
    EXPECT_EQ(paints.count, 4);
    other->setFocus();
    EXPECT_EQ(paints.count, 5);
}

TEST_F(FlatButtonTest, SpaceAndEnterClickIncludingAutoRepeat) {
    struct Row {
        const char *name;
        Qt::Key key;
        int presses;
        bool autoRepeat;
        bool clearInKeyDown;
        int clicks;
    };
    const Row rows[] = {
        {"space", Qt::Key_Space, 1, false, false, 1},
        {"held space", Qt::Key_Space, 4, true, false, 4},
        {"return", Qt::Key_Return, 1, false, false, 1},
        {"keypad enter", Qt::Key_Enter, 2, true, false, 2},
        {"a letter", Qt::Key_A, 1, false, false, 0},
        {"space cleared by a handler", Qt::Key_Space, 1, false, true, 0},
        {"return cleared by a handler", Qt::Key_Return, 3, true, true, 0},
    };
    button->setFocus();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TFlatButton probe(window.get());
        int clicks = 0;
        int keyDowns = 0;
        QObject::connect(&probe, &TFlatButton::OnClick, [&] { ++clicks; });
        QObject::connect(&probe, &TFlatButton::OnKeyDown, [&](int &key, Qt::KeyboardModifiers) {
            ++keyDowns;
            if (row.clearInKeyDown)
                key = 0;
        });
        for (int i = 0; i < row.presses; ++i) {
            QKeyEvent press(QEvent::KeyPress, row.key, Qt::NoModifier, QString(),
                            row.autoRepeat && i > 0);
            QApplication::sendEvent(&probe, &press);
        }
        EXPECT_EQ(keyDowns, row.presses);
        EXPECT_EQ(clicks, row.clicks);
    }
}

TEST_F(FlatButtonTest, KeyPressSeesTheTypedCharacter) {
    struct Row {
        const char *name;
        Qt::Key key;
        QString text;
        std::vector<QChar> expected;
    };
    const Row rows[] = {
        {"letter", Qt::Key_A, QStringLiteral("a"), {QLatin1Char('a')}},
        {"space", Qt::Key_Space, QStringLiteral(" "), {QLatin1Char(' ')}},
        {"enter", Qt::Key_Return, QStringLiteral("\r"), {QChar(13)}},
        {"esc", Qt::Key_Escape, QStringLiteral("\x1b"), {QChar(27)}},
        {"backspace", Qt::Key_Backspace, QStringLiteral("\b"), {QChar(8)}},
        {"delete", Qt::Key_Delete, QStringLiteral("\x7f"), {}},
        {"arrow", Qt::Key_Left, QString(), {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TFlatButton probe(window.get());
        std::vector<QChar> typed;
        QObject::connect(&probe, &TFlatButton::OnKeyPress, [&](QChar &c) { typed.push_back(c); });
        QKeyEvent press(QEvent::KeyPress, row.key, Qt::NoModifier, row.text);
        QApplication::sendEvent(&probe, &press);
        EXPECT_EQ(typed, row.expected);
    }
}

// Records the keys that reach it from its children.
class KeyWindow : public QWidget {
  public:
    std::vector<int> keys;

  protected:
    void keyPressEvent(QKeyEvent *event) override { keys.push_back(event->key()); }
};

TEST(FlatButtonKeys, OnlyEscGoesOnToTheWindow) {
    KeyWindow window;
    auto *button = new TFlatButton(&window);
    QObject::connect(button, &TFlatButton::OnClick, [] {});
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_F1, Qt::Key_A, Qt::Key_Escape})
        QTest::keyClick(button, key);
    EXPECT_EQ(window.keys, std::vector<int>{Qt::Key_Escape});
}

TEST_F(FlatButtonTest, MouseClickWithoutClickFocusLeavesTheFocus) {
    int clicks = 0;
    QObject::connect(button, &TFlatButton::OnClick, [&] { ++clicks; });
    const TColor before = PixelAt(Snapshot(button), 1, 1);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(PixelAt(Snapshot(button), 1, 1), before);
}

TEST_F(FlatButtonTest, ClickFocusTurnsGreyOnThePressBeforeTheClick) {
    button->setClickFocus(true);
    std::vector<std::string> order;
    QObject::connect(button, &TFlatButton::OnMouseDown,
                     [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                         order.push_back(button->hasFocus() ? "down focused" : "down");
                     });
    QObject::connect(button, &TFlatButton::OnClick, [&] { order.push_back("click"); });
    QObject::connect(
        button, &TFlatButton::OnMouseUp,
        [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { order.push_back("up"); });
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(PixelAt(Snapshot(button), 1, 1), FlatButtonFocusColor);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(order, (std::vector<std::string>{"down", "click", "up"}));
}

TEST_F(FlatButtonTest, ReleaseOutsideOrWithAnotherButtonIsNoClick) {
    button->setClickFocus(true);
    int clicks = 0;
    QObject::connect(button, &TFlatButton::OnClick, [&] { ++clicks; });
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(80, 20));
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks, 0);
    // A right press still takes the focus.
    EXPECT_TRUE(button->hasFocus());
}

TEST_F(FlatButtonTest, ClickHandlerMayDeleteTheButton) {
    struct Row {
        const char *name;
        std::function<void(TFlatButton *)> click;
    };
    const Row rows[] = {
        {"mouse", [](TFlatButton *b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5)); }},
        {"space", [](TFlatButton *b) { QTest::keyPress(b, Qt::Key_Space); }},
        {"enter", [](TFlatButton *b) { QTest::keyPress(b, Qt::Key_Return); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QPointer<TFlatButton> doomed = new TFlatButton(window.get());
        doomed->setGeometry(10, 60, 40, 20);
        doomed->setClickFocus(true);
        doomed->show();
        doomed->setFocus();
        QObject::connect(doomed, &TFlatButton::OnClick, [&] { delete doomed.data(); });
        row.click(doomed);
        EXPECT_TRUE(doomed.isNull());
    }
}

TEST_F(FlatButtonTest, ColourComesFromTheParentUntilSet) {
    EXPECT_TRUE(button->ParentColor());
    EXPECT_EQ(button->Color(), platform::clBlack);
    button->setColor(platform::clSilver);
    EXPECT_FALSE(button->ParentColor());
    EXPECT_EQ(button->Color(), platform::clSilver);
    button->setParentColor(true);
    EXPECT_EQ(button->Color(), platform::clBlack);
}

TEST_F(FlatButtonTest, ScreenReadersSeeAButtonTheyCanPress) {
    int clicks = 0;
    QObject::connect(button, &TFlatButton::OnClick, [&] { ++clicks; });
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("OK"));
    button->setAccessibleName(QStringLiteral("Submit the answer"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Submit the answer"));
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

TEST_F(FlatButtonTest, StaysCrispAtTwiceTheDensity) {
    button->setColor(platform::clSilver);
    button->setCaption(QString());
    button->setFocus();
    const QImage image = Snapshot2x(button);
    ASSERT_EQ(image.size(), QSize(104, 78));
    for (int d : {0, 1})
        EXPECT_EQ(PixelAt(image, d, d), platform::clWhite);
    EXPECT_EQ(PixelAt(image, 2, 2), FlatButtonFocusColor);
    // The focus dot at logical (4,4) covers device pixels 8..9; (5,4) is left alone.
    const TColor inverted = FlatButtonFocusColor ^ 0x00FFFFFF;
    EXPECT_EQ(PixelAt(image, 8, 8), inverted);
    EXPECT_EQ(PixelAt(image, 9, 9), inverted);
    EXPECT_EQ(PixelAt(image, 10, 8), FlatButtonFocusColor);
    EXPECT_EQ(PixelAt(image, 103, 77), platform::clWhite);
    EXPECT_EQ(PixelAt(image, 101, 75), FlatButtonFocusColor);
}

} // namespace
