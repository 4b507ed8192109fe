// clock.h -- milliseconds and sleeping (virtual time in headless mode)
#pragma once

#include <cstdint>

namespace platform {

uint32_t millis();
void sleepMs(uint32_t ms);

}  // namespace platform
