// palette.h -- palette files, the two palettes, fades, tints and the mixing table
#pragma once

#include <cstdint>

#include "common/data_formats.h"
#include "display/display_state.h"
#include "platform/video.h"

namespace display {

using platform::PaletteEntry;

// 1 when loaded, 0 when the file cannot be opened (then nothing changes).
int LoadPalette(const char* path);
void SetBrightness(int level);
void TintPalette(int red, int green, int blue);
// Hands entries 0 to 254 to the screen palette; entry 255 keeps its first value (black).
void SendPalette();

}  // namespace display
