// map_common.h -- what every map picture starts from: a clear sky, a field and the lane
#pragma once

#include <cstdint>

#include "ground.h"
#include "pictures.h"

namespace scenery {

// A map picture of clear sky with the snow field (up to `skyline`) and the lane across
// the whole width.
Canvas startMap(const Skyline& skyline, uint32_t seed);
// A gently rolling skyline around row `base`.
Skyline rollingSkyline(float base, float amplitude, float scale, uint32_t seed);
// Hand-drawn letters: rows of '#' (paint) and '.' (leave), drawn at (x, y).
void drawLetters(Canvas& c, int x, int y, const char* const* rows, int count, int index);

}  // namespace scenery
