// argb_frame.h -- a screen of palette indices turned into 32-bit colour for the presenter
#pragma once

#include <cstdint>

#include "platform/video.h"

namespace platform {

// Entry i as 0xAARRGGBB with alpha 255.
void argbTable(const PaletteEntry* palette, uint32_t table[256]);

// Whether every aligned 2 x 2 block of the 640 x 480 indices holds one index, as
// the view stretched by the blitter does.
bool isPixelDoubled(const uint8_t* indices);

// Converts the 640 x 480 indices through the palette into ARGB rows that lie
// pitchBytes apart in out; with halved, only one pixel of each 2 x 2 block, a
// 320 x 240 picture that the presenter scales back up with nearest sampling.
// out is only written, never read: it may be a streaming texture's memory.
void convertScreenToArgb(const uint8_t* indices, const PaletteEntry* palette, void* out,
                         int pitchBytes, bool halved);

}  // namespace platform
