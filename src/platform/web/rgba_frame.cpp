// rgba_frame.cpp -- the canvas's palette conversion: one table lookup a pixel
#include "platform/web/rgba_frame.h"

#include <cstring>

namespace platform {

void convertScreenToRgba(const uint8_t* indices, const PaletteEntry* palette, uint8_t* out) {
  uint8_t table[256][4];
  for (int i = 0; i < 256; ++i) {
    table[i][0] = palette[i].red;
    table[i][1] = palette[i].green;
    table[i][2] = palette[i].blue;
    table[i][3] = 255;
  }
  const size_t count = size_t(kScreenWidth) * kScreenHeight;
  for (size_t i = 0; i < count; ++i) std::memcpy(out + 4 * i, table[indices[i]], 4);
}

}  // namespace platform
