// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Registration of the game's built-in images and the application icon made of them.
#include "game/Resources.h"

#include <QIcon>
#include <QString>

// Outside any namespace: the macro declares the resource's registration function.
static void RegisterQuintaraResources() {
    Q_INIT_RESOURCE(quintara);
}

namespace game {

void InitResources() {
    static const bool registered = (RegisterQuintaraResources(), true);
    (void)registered;
}

QIcon ApplicationIcon() {
    InitResources();
    QIcon icon;
    // 64 and 96 are the 32 and 48 pixel images at twice the density.
    for (int size : {16, 32, 48, 64, 96})
        icon.addFile(QStringLiteral(":/icons/quintara-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace game
