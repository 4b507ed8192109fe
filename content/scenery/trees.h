// trees.h -- pines, birches, bare trees, bushes and reeds under snow
#pragma once

#include <cstdint>

#include "canvas.h"

namespace scenery {

// The colours of a tree at some distance: nearer trees are darker and richer, far ones
// fade into the blue of the night.
struct TreeLook {
  Ramp needles;  // or bark, dark to light
  Ramp snow;
  Ramp wood;    // trunk and branches
  int outline;  // against the sky; -1 for none
};
TreeLook nearLook();
TreeLook middleLook();
TreeLook farLook();

// A snowy pine standing on baseY with its trunk at cx.
void drawPine(Canvas& c, int cx, int baseY, int height, uint32_t seed, const TreeLook& look);
// A birch: white bark with black marks, its trunk `width` wide from topY (may be above the
// picture) down to baseY, with a few bare branches.
void drawBirch(Canvas& c, float x, int baseY, int topY, float width, uint32_t seed,
               const TreeLook& look);
// A bare deciduous tree (a persimmon when `fruit`: a few orange fruits left on it).
void drawBareTree(Canvas& c, int x, int baseY, int height, uint32_t seed, bool fruit,
                  const TreeLook& look);
// A round shrub buried in snow, with red berries on its twigs when asked.
void drawBush(Canvas& c, int cx, int baseY, int width, int height, uint32_t seed, bool berries);
// A clump of dry reeds.
void drawReeds(Canvas& c, int x, int baseY, int width, int height, uint32_t seed);

}  // namespace scenery
