// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The options the game answers itself, and the one-line failure to reach the display.
#include "game/CommandLine.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace game {
namespace {

constexpr std::string_view Version = "1.1.0.0";

// What the toolkit says while it connects: kept back, and shown only if the game goes on.
QByteArray heldBack;
QtMessageHandler previousHandler = nullptr;

void StartupMessage(QtMsgType type, const QMessageLogContext &, const QString &text) {
    if (type != QtFatalMsg) {
        heldBack += text.toLocal8Bit() + '\n';
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    QByteArray which;
    if (!wayland.isEmpty())
        which = " " + wayland;
    else if (!display.isEmpty())
        which = " " + display;
    else
        which = " (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    std::fprintf(stderr, "quintara: cannot open the display%s\n", which.constData());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, const char *const *argv, std::ostream &out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            out << "Usage: quintara [--help | --version]\n"
                   "A puzzle game about integer sequences: four terms are shown, type the "
                   "fifth.\n"
                   "\n"
                   "  -h, --help     show this help and exit\n"
                   "      --version  show the version and exit\n";
            return 0;
        }
        if (arg == "--version") {
            out << "quintara " << Version << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

void ExitQuietlyWithoutDisplay() {
    heldBack.clear();
    previousHandler = qInstallMessageHandler(StartupMessage);
}

void DisplayOpened() {
    qInstallMessageHandler(previousHandler);
    if (!heldBack.isEmpty())
        std::fputs(heldBack.constData(), stderr);
    heldBack.clear();
}

} // namespace game
