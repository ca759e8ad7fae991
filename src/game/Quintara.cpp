// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the application, then the settings window as the main window until it closes.
#include "game/CommandLine.h"
#include "game/Startup.h"
#include "game/main.h"

#include <QApplication>

#include <iostream>

int main(int argc, char **argv) {
    if (const auto status = game::AnswerCommandLine(argc, argv, std::cout))
        return *status;
    game::ExitQuietlyWithoutDisplay();
    QApplication app(argc, argv);
    game::DisplayOpened();
    game::InitApplication();
    game::TmainFrm mainFrm;
    QObject::connect(&mainFrm, &game::TmainFrm::Closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    mainFrm.show();
    // Where no window manager hands out the keyboard, the settings window takes it itself.
    mainFrm.activateWindow();
    return QApplication::exec();
}
