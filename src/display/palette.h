// palette.h -- palette files, the two palettes, fades, tints and the mixing table
#pragma once

#include <cstdint>

#include "common/data_formats.h"
#include "platform/video.h"

namespace display {

using platform::PaletteEntry;

// What is handed to the screen palette; flags stay 0.
extern PaletteEntry WorkingPalette[common::kPaletteColours];
// The reference colours: the file's, with any tint; brightness scales from them.
extern PaletteEntry BasePalette[common::kPaletteColours];
// 256 x 256 palette indices: row = existing pixel, column = level; one int an
// entry, only its low byte read.
extern int32_t MixTable[common::kMixTableBytes];
// The fade level in percent, kept by the frame loop.
extern int Brightness;

// 1 when loaded, 0 when the file cannot be opened (then nothing changes).
int LoadPalette(const char* path);
void SetBrightness(int level);
void TintPalette(int red, int green, int blue);
// Hands entries 0 to 254 to the screen palette; entry 255 keeps its first value (black).
void SendPalette();

void resetPaletteGlobals();

}  // namespace display
