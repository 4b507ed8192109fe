// nearest_colour.cpp -- the colour distance the tools use and the nearest palette entry
#include "common/nearest_colour.h"

namespace tools {

int64_t colourDistance(int r1, int g1, int b1, int r2, int g2, int b2, int scale) {
  const int64_t meanRed = int64_t(r1 + r2) / (2 * int64_t(scale));  // 0 to 255
  const int64_t dr = r1 - r2, dg = g1 - g2, db = b1 - b2;
  return (512 + meanRed) * dr * dr + 1024 * dg * dg + (767 - meanRed) * db * db;
}

int64_t colourDistance(Rgb a, Rgb b) { return colourDistance(a.r, a.g, a.b, b.r, b.g, b.b); }

int nearestEntry(const Palette& palette, int r, int g, int b, int scale, int64_t* distance) {
  int best = 0;
  int64_t bestDistance = INT64_MAX;
  for (int i = 0; i < kTransparentIndex && bestDistance > 0; ++i) {
    const Rgb c = palette[size_t(i)];
    const int64_t d = colourDistance(c.r * scale, c.g * scale, c.b * scale, r, g, b, scale);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  if (distance) *distance = bestDistance;
  return best;
}

int NearestColour::find(Rgb c, bool& exact) {
  const uint32_t key = uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
  const auto it = cache_.find(key);
  if (it != cache_.end()) {
    exact = it->second.exact;
    return it->second.index;
  }
  int64_t distance = 0;
  const int index = nearestEntry(palette_, c.r, c.g, c.b, 1, &distance);
  exact = distance == 0;
  cache_.emplace(key, Found{uint8_t(index), exact});
  return index;
}

}  // namespace tools
