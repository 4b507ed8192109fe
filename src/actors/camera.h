// camera.h -- the camera that follows the hero, and the span test of the talk probe
#pragma once

#include "common/geometry.h"

namespace world {
struct Scene;
}

namespace actors {

using common::kCameraMax;
using common::kCameraMin;
// The camera keeps the hero this far from the view's left edge.
constexpr int kHeroOffset = 140;

// Moves the camera toward the hero (2 pixels a frame when far, 1 when near)
// and the far layer to half the camera's place.
void updateCamera();
// Puts the camera straight onto the hero's place, within 0 to 960.
void centreCamera(world::Scene& scene);
// 1 when the closed spans a..b and c..d (each in either order) share a point.
int spansOverlap(int a, int b, int c, int d);

}  // namespace actors
