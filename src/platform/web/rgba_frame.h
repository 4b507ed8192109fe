// rgba_frame.h -- a screen of palette indices as the canvas's RGBA bytes
#pragma once

#include <cstdint>

#include "platform/video.h"

namespace platform {

// 640 x 480 indices through the palette into 4 bytes a pixel: red, green, blue, 255.
void convertScreenToRgba(const uint8_t* indices, const PaletteEntry* palette, uint8_t* out);

}  // namespace platform
