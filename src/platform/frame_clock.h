// frame_clock.h -- the 60 Hz clock that paces the flips, whatever the monitor's rate
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

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

// Until the deadline, lets waitForEvents(ms) wait up to ms milliseconds for window events
// and handle them; returns early on a quit request. Window systems wait to the whole
// millisecond, so the last one is slept exactly.
void waitHandlingEvents(FrameClock::Clock::time_point deadline,
                        const std::function<void(int ms)>& waitForEvents);

}  // namespace platform
