// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The spoken texts, shared with the Windows front end, as Qt strings.
#include "game/Spoken.h"

#include "look/Spoken.h"
#include "look/Texts.h"
#include "platform/Text.h"

namespace game {
namespace {

look::Terms Terms(const QStringList &terms) {
    look::Terms utf8;
    for (const QString &term : terms)
        utf8.push_back(term.toStdString());
    return utf8;
}

} // namespace

QString SequenceDescription(const QStringList &terms) {
    return QString::fromStdString(look::SequenceDescription(Terms(terms)));
}

QString HelpHint() {
    return platform::FromUtf8(look::HelpHint);
}

QString SequenceSpoken(const QStringList &terms, bool testMode) {
    return QString::fromStdString(look::SequenceSpoken(Terms(terms), testMode));
}

QString WrongSpoken() {
    return QString::fromStdString(look::WrongSpoken());
}

QString CorrectSpoken(const QStringList &nextTerms) {
    return QString::fromStdString(look::CorrectSpoken(Terms(nextTerms)));
}

QString CompletedSpoken() {
    return QString::fromStdString(look::CompletedSpoken());
}

QString HelpSpoken(const QString &answer, const QString &formula) {
    return QString::fromStdString(look::HelpSpoken(answer.toStdString(), formula.toStdString()));
}

} // namespace game
