// rocks.h -- rock faces with snow on their ledges, boulders, and the dark of a gorge
#pragma once

#include <cstdint>

#include "canvas.h"
#include "ground.h"

namespace scenery {

// A rock face from the skyline down to `bottom` between x0 and x1, its facets lit from
// the upper left, snow on the ledges that face up, icicles under some. `haze` 0 for near
// rock, up to 1 for rock far away, paler and flatter.
void drawRock(Canvas& c, int x0, int x1, const Skyline& top, int bottom, uint32_t seed, float haze);
// A boulder under a cap of snow.
void drawBoulder(Canvas& c, int cx, int baseY, int width, int height, uint32_t seed);

}  // namespace scenery
