// common_resources.h -- the objects that live for the whole game: hero, far layer, shared packs,
// status bar
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/data_formats.h"
#include "gfx/sprite_pack.h"

namespace actors {

using common::kStatusBarBytes;
using common::kStatusBarRows;
using common::kStatusBarWidth;

// Makes the hero (at x heroX, 10.0 at the start of the game, with pack "CHAR1"),
// the far layer "bg", the packs "cursor" and "bubble" and the status bar from
// "grim\bar.res", and clears the event flags. Always 0; failures are shown as
// message boxes.
int loadCommonResources(float heroX = 10.0f);
// The game's own frees at its end, in their order: the bubble pack, the
// current Scene, the far layer, the status bar, the hero. The cursor pack
// stays as long as the game object.
void freeCommonResources();

}  // namespace actors
