// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the puzzle window says to a screen reader, in one place.
#pragma once

#include <QString>
#include <QStringList>

namespace game {

// The entry box's description: "Current sequence: 3, 6, 9, 12."
QString SequenceDescription(const QStringList &terms);
// The training-mode caption of the bottom band.
QString HelpHint();
// A sequence put up without an answer: when the window opens or changes its size; in
// training mode followed by how to get help.
QString SequenceSpoken(const QStringList &terms, bool testMode = false);
QString WrongSpoken();
// A correct answer and the sequence that follows it.
QString CorrectSpoken(const QStringList &nextTerms);
// The correct answer that completes a counted game.
QString CompletedSpoken();
// F1 in training mode: the answer, then each line of the formula as a sentence.
QString HelpSpoken(const QString &answer, const QString &formula);

} // namespace game
