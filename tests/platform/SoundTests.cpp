// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The beep's choice of route on a faked desktop, and the real sound library's silence on
// standard error.
#include "platform/Sound.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace platform;

namespace {

struct FakeDesktop : BeepPlatform {
    bool themeWorks = false;
    QString windowSystem;
    bool x11Works = false;
    std::string tried;

    bool PlayThemeSound() override {
        tried += "theme ";
        return themeWorks;
    }
    QString WindowSystem() const override { return windowSystem; }
    bool RingX11Bell() override {
        tried += "x11 ";
        return x11Works;
    }
    void RingWindowSystemBell() override { tried += "qt "; }
};

struct RouteRow {
    const char *desktop;
    bool themeWorks;
    const char *windowSystem;
    bool x11Works;
    BeepRoute route;
    const char *tried;
};

TEST(Beep, TakesTheFirstRouteThatPlays) {
    const RouteRow rows[] = {
        // A sound server or a sound card plays the theme's bell, whatever the window system.
        {"X11 with sound", true, "xcb", true, BeepRoute::ThemeSound, "theme "},
        {"Wayland with PipeWire", true, "wayland", true, BeepRoute::ThemeSound, "theme "},
        // Without sound, X11 has its own bell, which Qt rings.
        {"X11 without sound", false, "xcb", true, BeepRoute::WindowSystemBell, "theme qt "},
        // On Wayland Qt has none: Xwayland's bell goes to the compositor.
        {"Wayland without sound, with Xwayland", false, "wayland", true, BeepRoute::X11Bell,
         "theme x11 "},
        // Nothing else left: Qt's bell, as good as the platform makes it.
        {"Wayland without sound or Xwayland", false, "wayland", false, BeepRoute::WindowSystemBell,
         "theme x11 qt "},
        {"Windows", false, "windows", false, BeepRoute::WindowSystemBell, "theme qt "},
    };
    for (const RouteRow &row : rows) {
        SCOPED_TRACE(row.desktop);
        FakeDesktop desktop;
        desktop.themeWorks = row.themeWorks;
        desktop.windowSystem = QString::fromLatin1(row.windowSystem);
        desktop.x11Works = row.x11Works;
        EXPECT_EQ(PlayBeep(desktop), row.route);
        EXPECT_EQ(desktop.tried, row.tried);
    }
}

// Everything written to standard error while f runs.
template <class F> std::string StandardErrorOf(F &&f) {
    char path[] = "/tmp/quintara-stderr-XXXXXX";
    const int file = mkstemp(path);
    EXPECT_GE(file, 0);
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(file, STDERR_FILENO);
    f();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    close(file);
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    std::remove(path);
    return text.str();
}

TEST(Beep, TheSoundLibraryWritesNothingToStandardError) {
    // Without a sound server and card, as on a build machine, the library falls through to
    // ALSA, which would complain about the missing card at every beep.
    bool played = false;
    const std::string written = StandardErrorOf([&] {
        played = SystemBeepPlatform().PlayThemeSound();
        played = SystemBeepPlatform().PlayThemeSound() || played;
    });
    EXPECT_EQ(written, "") << "played: " << played;
}

} // namespace
