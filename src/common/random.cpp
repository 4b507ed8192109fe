// random.cpp -- the linear congruential generator
#include "common/random.h"

namespace common {
namespace {
uint32_t state = 1;
}

void gameSrand(uint32_t seed) { state = seed; }

int gameRand() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFF);
}

}  // namespace common
