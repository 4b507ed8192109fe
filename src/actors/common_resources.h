// common_resources.h -- the objects that live for the whole game: hero, far layer, shared packs,
// status bar
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/data_formats.h"
#include "gfx/sprite_pack.h"

namespace actors {

// The text balloon's cursor (frames 0 to 2) and the icon balloons (six frames a kind).
extern gfx::SpritePack* CursorPack;
extern gfx::SpritePack* BubblePack;

using common::kStatusBarBytes;
using common::kStatusBarRows;
using common::kStatusBarWidth;
// The status bar picture, 320 palette indices a row; its first 63 rows are shown.
extern uint8_t* StatusBarPixels;

// Makes the hero (at x heroX, 10.0 at the start of the game, with pack "CHAR1"),
// the far layer "bg", the packs "cursor" and "bubble" and the status bar from
// "grim\bar.res", and clears the event flags. Always 0; failures are shown as
// message boxes.
int loadCommonResources(float heroX = 10.0f);
// The game thread's frees at its end, in its order: the bubble pack, the
// current Scene, the far layer, the status bar, the hero. The cursor pack
// stays to the end of the process.
void freeCommonResources();

// Everything of the actors' subsystem back to its state before the game (tests).
void resetActorGlobals();

}  // namespace actors
