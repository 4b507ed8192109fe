// mix_table.cpp -- the mixing table that blended text draws through
#include "common/mix_table.h"

#include "common/nearest_colour.h"

namespace tools {

std::vector<uint8_t> buildMixTable(const Palette& palette, int levelWeight) {
  std::vector<uint8_t> table(kMixTableBytes);
  const int pageWeight = 100 - levelWeight;
  for (int a = 0; a < 256; ++a) {
    const Rgb page = shownColour(palette, a);
    for (int b = 0; b < 256; ++b) {
      const Rgb level = shownColour(palette, b);
      // In hundredths, so the mean of odd sums is not rounded before it is matched.
      const int r = page.r * pageWeight + level.r * levelWeight;
      const int g = page.g * pageWeight + level.g * levelWeight;
      const int bl = page.b * pageWeight + level.b * levelWeight;
      int64_t distance = 0;
      int index = nearestEntry(palette, r, g, bl, 100, &distance);
      if (distance > 0 && r == 0 && g == 0 && bl == 0) index = kTransparentIndex;
      table[size_t(a) * 256 + size_t(b)] = uint8_t(index);
    }
  }
  return table;
}

}  // namespace tools
