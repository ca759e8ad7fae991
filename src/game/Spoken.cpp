// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The spoken texts: short English sentences, each ending in a full stop so that a screen
// reader pauses after it.
#include "game/Spoken.h"

namespace game {
namespace {

QString Sentence(QString text) {
    text = text.trimmed();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

QString Terms(const QStringList &terms) {
    return terms.join(QStringLiteral(", "));
}

} // namespace

QString SequenceDescription(const QStringList &terms) {
    return Sentence(QStringLiteral("Current sequence: ") + Terms(terms));
}

QString HelpHint() {
    return QStringLiteral("Press F1 (Help) to show the solution.");
}

QString SequenceSpoken(const QStringList &terms, bool testMode) {
    const QString sequence = Sentence(QStringLiteral("Sequence: ") + Terms(terms));
    return testMode ? sequence + QLatin1Char(' ') + HelpHint() : sequence;
}

QString WrongSpoken() {
    return QStringLiteral("Wrong.");
}

QString CorrectSpoken(const QStringList &nextTerms) {
    return QStringLiteral("Correct. ") +
           Sentence(QStringLiteral("Next sequence: ") + Terms(nextTerms));
}

QString CompletedSpoken() {
    return QStringLiteral("Correct. All sequences completed.");
}

QString HelpSpoken(const QString &answer, const QString &formula) {
    QStringList sentences{Sentence(QStringLiteral("Answer: ") + answer)};
    for (const QString &line : formula.split(QLatin1Char('\n')))
        if (const QString sentence = Sentence(line); !sentence.isEmpty())
            sentences << sentence;
    return sentences.join(QLatin1Char(' '));
}

} // namespace game
