// The size of the primary screen in logical pixels, which tests can fake.
#pragma once

namespace platform {

int ScreenWidth();
int ScreenHeight();

void SetFakeScreenSize(int width, int height);
void ClearFakeScreenSize();

} // namespace platform
