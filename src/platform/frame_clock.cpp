// frame_clock.cpp -- 60 ticks a second on the steady clock
#include "platform/frame_clock.h"

namespace platform {

FrameClock::Clock::time_point FrameClock::nextTick() {
  const auto period = std::chrono::nanoseconds(1'000'000'000LL / 60);
  int64_t tick = (Clock::now() - origin_) / period + 1;
  if (tick <= lastTick_) tick = lastTick_ + 1;
  lastTick_ = tick;
  return origin_ + tick * period;
}

}  // namespace platform
