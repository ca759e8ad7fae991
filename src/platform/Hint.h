// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hints of the form "short|long": the short part is the tooltip, the long one the status tip.
#pragma once

#include <QString>

class QWidget;

namespace platform {

// Without a bar both parts are the whole text.
QString ShortHint(const QString &hint);
QString LongHint(const QString &hint);
void SetHint(QWidget *control, const QString &hint);

} // namespace platform
