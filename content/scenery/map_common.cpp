// map_common.cpp -- what every map picture starts from: a clear sky, a field and the lane
#include "map_common.h"

#include <cstring>

namespace scenery {

Canvas startMap(const Skyline& skyline, uint32_t seed) {
  Canvas c(kMapWidth, kMapHeight, kClear);
  drawField(c, 0, kMapWidth - 1, skyline, seed);
  drawLane(c, 0, kMapWidth - 1, seed + 1);
  return c;
}

Skyline rollingSkyline(float base, float amplitude, float scale, uint32_t seed) {
  return [=](int x) {
    return base - amplitude * (fbm(float(x) / scale, 0.5f, seed, 3) - 0.5f) * 2.0f;
  };
}

void drawLetters(Canvas& c, int x, int y, const char* const* rows, int count, int index) {
  for (int r = 0; r < count; ++r)
    for (int k = 0; rows[r][k] != 0; ++k)
      if (rows[r][k] == '#') c.put(x + k, y + r, index);
}

}  // namespace scenery
