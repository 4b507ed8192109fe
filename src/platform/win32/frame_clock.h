// frame_clock.h -- the 60 Hz clock that paces the flips, whatever the monitor's rate
#pragma once

namespace platform {

// Game thread: sleeps until the next tick after the previous call's tick.
void waitForFrameTick();

}  // namespace platform
