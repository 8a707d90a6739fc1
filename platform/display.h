#pragma once
// The display: one full-screen window showing an 800x600 16-bit picture,
// scaled with its aspect kept.
#include <cstdint>

#include "platform/surface.h"

namespace plat {
// Shows the primary surface: uploads it to the streaming texture and presents.
// Does nothing without a window (headless runs and tests).
void PresentPrimary(const Surface* primary);
// Waits for the next edge of the virtual 60 Hz vertical blank.
void WaitForVerticalBlank();
} // namespace plat
