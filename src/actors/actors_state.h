// actors_state.h -- the actors' state: the hero, the shared packs, the status bar and the snow
#pragma once

#include <cstdint>
#include <memory>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/common_resources.h"
#include "actors/snowfall.h"
#include "common/bound_state.h"
#include "gfx/sprite_pack.h"

namespace actors {

// The actors' state: the objects loadCommonResources makes and freeCommonResources frees,
// and the snow of the current map.
struct ActorsState {
  // The hero: made once for the whole game, kept across maps.
  std::unique_ptr<Actor> Hero;
  // The text balloon's cursor (frames 0 to 2) and the icon balloons (six frames a kind).
  std::unique_ptr<gfx::SpritePack> CursorPack;
  std::unique_ptr<gfx::SpritePack> BubblePack;
  // The status bar picture, 320 palette indices a row; its first 63 rows are shown.
  std::unique_ptr<uint8_t[]> StatusBarPixels;
  SnowSlot SnowSlots[kSnowSlots] = {};
  int32_t SnowFarCount = 0;
  int32_t SnowMidCount = 0;
  int32_t SnowNearCount = 0;
  // Height of the pile in pixels for each map column, 0 to 3.
  int32_t SnowDepth[kPileColumns] = {};
};

// The running game's actors' state, owned by the game object, which binds it.
inline ActorsState& actorsState() { return common::Bound<ActorsState>::get(); }

}  // namespace actors
