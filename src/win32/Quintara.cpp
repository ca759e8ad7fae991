// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Program start on Windows: the common controls, the calculator's error boxes, the settings
// window as the main window, and the message loop until it closes.
#include "look/Texts.h"
#include "runtime/ErrorBox.h"
#include "win32/Messages.h"
#include "win32/Text.h"
#include "win32/main.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    runtime::SetErrorBoxHandler([](const std::string &text, const std::string &caption, bool) {
        win32::ShowMessage(GetActiveWindow(), win32::FromCp1252(text), win32::FromCp1252(caption),
                           win32::MsgIcon::Error);
    });

    win32::TmainFrm settings;
    ShowWindow(settings.Handle(), SW_SHOW);
    UpdateWindow(settings.Handle());
    return win32::RunMessageLoop(settings);
}
