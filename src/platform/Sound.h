// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The default beep and the ways it can reach the player, tried in order.
#pragma once

#include <QString>

namespace platform {

// What the desktop offers for a beep; tests fake it.
struct BeepPlatform {
    virtual ~BeepPlatform() = default;
    // The sound theme's "bell" through the sound library: PipeWire or PulseAudio where a
    // sound server runs, else ALSA. False when nothing could play it.
    virtual bool PlayThemeSound() = 0;
    // The window system Qt runs on: "xcb", "wayland", "windows", ...
    virtual QString WindowSystem() const = 0;
    // The bell of the X server named by $DISPLAY, on a connection of our own; on a Wayland
    // desktop that is Xwayland, whose bell the compositor plays. False without a server.
    virtual bool RingX11Bell() = 0;
    // The window system's bell as Qt rings it (the X bell on X11).
    virtual void RingWindowSystemBell() = 0;
};

enum class BeepRoute { ThemeSound, X11Bell, WindowSystemBell };

// Plays the beep by the first route that works and says which one that was.
BeepRoute PlayBeep(BeepPlatform &platform);

// The real desktop.
BeepPlatform &SystemBeepPlatform();

} // namespace platform
