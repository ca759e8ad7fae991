// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the windows show, in UTF-8; the messages that quote a box's text are built here.
#pragma once

#include <string>
#include <string_view>

namespace look {

inline constexpr std::string_view ApplicationTitle = "Quintara";

// Puzzle window.
inline constexpr std::string_view CurrentSequence = "Current sequence:";
inline constexpr std::string_view AllCompleted = "All sequences completed.";
inline constexpr std::string_view HelpHint = "Press F1 (Help) to show the solution.";
inline constexpr std::string_view ExitCaption = "Exit";
inline constexpr std::string_view OkCaption = "OK";
inline constexpr std::string_view InitialBoxText = "0";
// "(1)" to "(5)", for n from 1 to 5.
std::string TermLabel(int n);

// Settings window.
inline constexpr std::string_view SettingsCaption = "Settings";
inline constexpr std::string_view ExecuteCaption = "E&xecute";
inline constexpr std::string_view AboutCaption = "&About";
inline constexpr std::string_view SettingsExitCaption = "Exi&t";
inline constexpr std::string_view DifficultyCaption = "Difficulty";
inline constexpr std::string_view DefaultCaption = "&Default";
inline constexpr std::string_view EasyCaption = "&Easy";
inline constexpr std::string_view TestModeCaption = "&Training mode (allows help)";
inline constexpr std::string_view CountCaption = "&Number of sequences:";
inline constexpr std::string_view InitialCount = "10";

// About window.
inline constexpr std::string_view AboutTitle = "About Quintara";
inline constexpr std::string_view AboutNotice = "A puzzle game about integer sequences.";
inline constexpr std::string_view VersionCaption = "Version:";
inline constexpr std::string_view VersionDesign = "Unknown";
inline constexpr std::string_view AboutVersion = "1.0.0.1";
// Lines separated by "\n".
inline constexpr std::string_view CopyInfo =
    "Copyright 2026 The Quintara developers.\n"
    "Quintara is free software: you may pass it on and change it under the terms of the GNU "
    "General Public License, version 3 or any later version. It comes with no warranty.\n"
    "Send comments to quintara@example.org; news and updates are at "
    "https://quintara.example.org/.";
inline constexpr std::string_view TranslationInfoCaption = "Translation Info...";
inline constexpr std::string_view TranslationInfoHint =
    "|Shows information about the English translation of this application.";
inline constexpr std::string_view TranslationWebSite = "https://quintara.example.org/translation";
inline constexpr std::string_view TranslationEmail = "translation@example.org";
// Two paragraphs separated by "\r\n\r\n".
std::string TranslationInfoText();

// The invalid-integer message of a submission, quoting the entry box's text.
std::string NotIntegerMessage(std::string_view boxText);
// The invalid-count message of Execute, quoting the count box's text.
std::string InvalidCountMessage(std::string_view countText);

} // namespace look
