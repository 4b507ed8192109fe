// frame_clock.h -- the 60 Hz clock that paces the flips, whatever the monitor's rate
#pragma once

#include <chrono>
#include <cstdint>

namespace platform {

class FrameClock {
 public:
  using Clock = std::chrono::steady_clock;
  // The next tick after the previous call's tick: a flip waits until then.
  Clock::time_point nextTick();

 private:
  Clock::time_point origin_ = Clock::now();
  int64_t lastTick_ = 0;
};

}  // namespace platform
