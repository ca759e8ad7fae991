// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The size of the primary screen in logical pixels, which tests can fake.
#pragma once

namespace platform {

int ScreenWidth();
int ScreenHeight();

void SetFakeScreenSize(int width, int height);
void ClearFakeScreenSize();

} // namespace platform
