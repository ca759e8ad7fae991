// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The beep's routes: the sound theme through canberra, the X bell, Qt's bell.
#include "platform/Sound.h"

#include <QApplication>
#include <QGuiApplication>
#include <canberra.h>

#ifdef QUINTARA_HAVE_ALSA
#include <alsa/asoundlib.h>
#endif
#ifdef QUINTARA_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include <cstdlib>

namespace platform {
namespace {

#ifdef QUINTARA_HAVE_ALSA
// ALSA reports a missing sound card on standard error, eight lines a beep; the beep has
// other routes, so the player's terminal stays quiet.
void IgnoreAlsaError(const char *, int, const char *, int, const char *, ...) {}
#endif

// A sound-theme context of the process: with the library's own choice of driver (PulseAudio,
// which PipeWire serves too, where its module is installed), or with the named one. Null
// when the library cannot start.
ca_context *NewSoundContext(const char *driver) {
#ifdef QUINTARA_HAVE_ALSA
    snd_lib_error_set_handler(IgnoreAlsaError);
#endif
    ca_context *c = nullptr;
    if (ca_context_create(&c) != CA_SUCCESS)
        return nullptr;
    if (driver)
        ca_context_set_driver(c, driver);
    ca_context_change_props(c, CA_PROP_APPLICATION_NAME, "Quintara", nullptr);
    return c;
}

bool PlayBell(ca_context *context) {
    return context &&
           ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                           "Wrong answer", nullptr) == CA_SUCCESS;
}

class SystemPlatform : public BeepPlatform {
  public:
    bool PlayThemeSound() override {
        // Once the sound server's driver is chosen the library tries no other: without a
        // server the sound card is asked directly.
        static ca_context *const server = NewSoundContext(nullptr);
        static ca_context *const card = NewSoundContext("alsa");
        return PlayBell(server) || PlayBell(card);
    }

    QString WindowSystem() const override { return QGuiApplication::platformName(); }

    bool RingX11Bell() override {
#ifdef QUINTARA_HAVE_XCB
        const char *display = std::getenv("DISPLAY");
        if (!display || !*display)
            return false;
        if (m_x11 && xcb_connection_has_error(m_x11)) {
            xcb_disconnect(m_x11);
            m_x11 = nullptr;
        }
        if (!m_x11) {
            m_x11 = xcb_connect(nullptr, nullptr);
            if (xcb_connection_has_error(m_x11)) {
                xcb_disconnect(m_x11);
                m_x11 = nullptr;
                return false;
            }
        }
        // Checked, so that a server that went away counts as no bell.
        xcb_generic_error_t *error = xcb_request_check(m_x11, xcb_bell_checked(m_x11, 0));
        const bool rung = error == nullptr && !xcb_connection_has_error(m_x11);
        std::free(error);
        return rung;
#else
        return false;
#endif
    }

    void RingWindowSystemBell() override {
        QApplication::beep();
    }

  private:
#ifdef QUINTARA_HAVE_XCB
    xcb_connection_t *m_x11 = nullptr;
#endif
};

} // namespace

BeepRoute PlayBeep(BeepPlatform &platform) {
    if (platform.PlayThemeSound())
        return BeepRoute::ThemeSound;
    // Qt rings no bell on Wayland; Xwayland's bell reaches the compositor, which plays it.
    if (platform.WindowSystem() == QLatin1String("wayland") && platform.RingX11Bell())
        return BeepRoute::X11Bell;
    platform.RingWindowSystemBell();
    return BeepRoute::WindowSystemBell;
}

BeepPlatform &SystemBeepPlatform() {
    static SystemPlatform platform;
    return platform;
}

} // namespace platform
