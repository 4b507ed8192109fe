// frame_clock.cpp -- 60 ticks a second on the steady clock
#include "platform/frame_clock.h"

#include <thread>

#include "platform/quit.h"

namespace platform {

FrameClock::Clock::time_point FrameClock::nextTick() {
  const auto period = std::chrono::nanoseconds(1'000'000'000LL / 60);
  int64_t tick = (Clock::now() - origin_) / period + 1;
  if (tick <= lastTick_) tick = lastTick_ + 1;
  lastTick_ = tick;
  return origin_ + tick * period;
}

void waitHandlingEvents(FrameClock::Clock::time_point deadline,
                        const std::function<void(int ms)>& waitForEvents) {
  waitForEvents(0);
  for (;;) {
    if (quitRequested()) return;
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - FrameClock::Clock::now());
    if (left.count() <= 1) break;
    waitForEvents(int(left.count() - 1));
  }
  std::this_thread::sleep_until(deadline);
}

}  // namespace platform
