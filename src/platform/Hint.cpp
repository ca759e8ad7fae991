// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a "short|long" hint between the tooltip and the status tip.
#include "platform/Hint.h"

#include <QWidget>

namespace platform {

QString ShortHint(const QString &hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString &hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget *control, const QString &hint) {
    control->setToolTip(ShortHint(hint));
    control->setStatusTip(LongHint(hint));
}

} // namespace platform
