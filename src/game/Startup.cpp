// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The application's identity and the services the windows and the calculator rely on.
#include "game/Startup.h"

#include "game/Resources.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/Text.h"
#include "runtime/DecimalSeparator.h"
#include "runtime/ErrorBox.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

namespace game {

void InitApplication() {
    QApplication::setApplicationName(QStringLiteral("Quintara"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quintara"));
    QApplication::setApplicationVersion(QStringLiteral("1.1.0.0"));
    QApplication::setDesktopFileName(QStringLiteral("org.quintara.Quintara"));
    QApplication::setWindowIcon(ApplicationIcon());
    platform::RegisterFonts();

    // The calculator writes and reads numbers with the user's decimal separator.
    runtime::SetDecimalSeparator(QLocale::system().decimalPoint() == QStringLiteral(",") ? ','
                                                                                         : '.');
    runtime::SetErrorBoxHandler(
        [](const std::string &text, const std::string &caption, bool topmost) {
            platform::ShowMessage(nullptr, platform::FromCp1252(text),
                                  platform::FromCp1252(caption), platform::MsgIcon::Error, topmost);
        });

    // A message box closing while the settings are hidden for a game must not end the
    // program: only the settings window does.
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace game
