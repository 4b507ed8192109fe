// camera.cpp -- following the hero with the camera, and the far layer's parallax
#include "actors/camera.h"

#include <algorithm>
#include <cstdlib>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace actors {
namespace {

int heroTarget() {
  const auto& Hero = actorsState().Hero;
  return Hero ? truncX(Hero->x) - kHeroOffset : 0;
}

}  // namespace

void updateCamera() {
  world::Scene* scene = world::worldState().CurrentScene.get();
  if (!scene) return;
  const int target = heroTarget();
  int c = scene->cameraX;
  if (std::abs(c - target) > 50)
    c += c < target ? 2 : -2;
  else if (c != target)
    c += c < target ? 1 : -1;
  scene->cameraX = std::clamp(c, kCameraMin, kCameraMax);
  // The far layer moves at half the map's speed.
  if (gfx::gfxState().FarLayer) gfx::gfxState().FarLayer->scrollX = scene->cameraX / 2;
}

void centreCamera(world::Scene& scene) {
  scene.cameraX = std::clamp(heroTarget(), kCameraMin, kCameraMax);
}

int spansOverlap(int a, int b, int c, int d) {
  const int lo1 = std::min(a, b), hi1 = std::max(a, b);
  const int lo2 = std::min(c, d), hi2 = std::max(c, d);
  if (lo1 > hi2) return 0;
  return hi1 >= lo2 ? 1 : 0;
}

}  // namespace actors
