// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for widget tests: paint counting, pixel reading and window activation.
#pragma once

#include "platform/Colors.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

inline platform::TColor PixelAt(const QImage &image, int x, int y) {
    return platform::FromQColor(image.pixelColor(x, y));
}

// The widget's pixels in logical coordinates.
inline QImage Snapshot(QWidget *widget) {
    return widget->grab().toImage();
}

// The widget painted at a device-pixel ratio of 2, the image in device pixels.
inline QImage Snapshot2x(QWidget *widget) {
    QImage image(widget->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::magenta);
    widget->render(&image);
    return image;
}

// Shows the window and waits until it can be painted.
inline void ExposeWindow(QWidget *window) {
    window->show();
    (void)QTest::qWaitForWindowExposed(window);
}

// Shows the window and makes it the active one, so that focus is real focus.
inline void ActivateWindow(QWidget *window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    (void)QTest::qWaitForWindowActive(window);
}

// The bounding box of the pixels inside a rectangle that differ from its background.
inline QRect InkBox(const QImage &image, const QRect &area, platform::TColor background) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (PixelAt(image, x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

// How many pixels of two images differ; -1 when their sizes differ.
inline int DifferingPixels(const QImage &actual, const QImage &expected) {
    if (actual.size() != expected.size())
        return -1;
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            differing += PixelAt(actual, x, y) != PixelAt(expected, x, y);
    return differing;
}
