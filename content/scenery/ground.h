// ground.h -- snow on the ground: the walkable lane, the field behind it, drifts and smoke
#pragma once

#include <cstdint>
#include <functional>

#include "canvas.h"

namespace scenery {

// Row of the field's skyline at a column of the map.
using Skyline = std::function<float(int x)>;

// The lane the characters walk on: rows kGroundRow..bottom between x0 and x1, snow lit at
// its top and shading into blue toward the bottom of the view, with a few footprints and
// tufts.
void drawLane(Canvas& c, int x0, int x1, uint32_t seed);
// The snow field behind the lane, from the skyline down to the lane, drifts lit from the
// upper left.
void drawField(Canvas& c, int x0, int x1, const Skyline& top, uint32_t seed);
// A drift heaped against something: a mound of snow between x0 and x1 rising `height`
// rows above `baseY`.
void drawDrift(Canvas& c, int x0, int x1, int baseY, int height, uint32_t seed);
// A snow cap along the top of a shape: `thickness` rows over the columns x0..x1 whose
// topmost non-clear pixel (searched from row y0) gets covered, drooping a little.
void capWithSnow(Canvas& c, int x0, int x1, int y0, int thickness, uint32_t seed);
// A wisp of smoke rising from (x, y), drifting right.
void drawSmoke(Canvas& c, int x, int y, int height, uint32_t seed);
// Warm light from a window or fire on snow and walls nearby: snow and plaster pixels
// within the ellipse take warmer entries, strongest at the centre.
void warmGlow(Canvas& c, float cx, float cy, float rx, float ry, float strength);

}  // namespace scenery
