// frame_clock.cpp -- 60 ticks a second on the steady clock
#include "platform/win32/frame_clock.h"

#include <chrono>
#include <cstdint>
#include <thread>

namespace platform {

void waitForFrameTick() {
  using Clock = std::chrono::steady_clock;
  static const auto origin = Clock::now();
  static int64_t lastTick = 0;
  const auto period = std::chrono::nanoseconds(1'000'000'000LL / 60);
  int64_t tick = (Clock::now() - origin) / period + 1;
  if (tick <= lastTick) tick = lastTick + 1;
  lastTick = tick;
  std::this_thread::sleep_until(origin + tick * period);
}

}  // namespace platform
