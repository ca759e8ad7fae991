// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The primary screen's size, or the size a test has put in its place.
#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

bool faked = false;
int fakeWidth = 0;
int fakeHeight = 0;

QSize PrimarySize() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(0, 0);
}

} // namespace

int ScreenWidth() {
    return faked ? fakeWidth : PrimarySize().width();
}
int ScreenHeight() {
    return faked ? fakeHeight : PrimarySize().height();
}

void SetFakeScreenSize(int width, int height) {
    faked = true;
    fakeWidth = width;
    fakeHeight = height;
}

void ClearFakeScreenSize() {
    faked = false;
}

} // namespace platform
