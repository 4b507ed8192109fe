// random.h -- the game's one pseudo-random generator, seeded once at start-up
#pragma once

#include <cstdint>

namespace common {

constexpr int kRandMax = 0x7FFF;

// The generator of the original's C library (a linear congruence giving 15
// bits), so that a seed replays the same snowfall on every system.
void gameSrand(uint32_t seed);
int gameRand();

}  // namespace common
