// nearest_colour.h -- the colour distance the tools use and the nearest palette entry
#pragma once

#include <cstdint>
#include <unordered_map>

#include "common/palette_file.h"

namespace tools {

// Distance between two colours whose channels are given in units of 1/scale (so that
// means of colours can be compared without rounding): squared channel differences,
// green weighted 4, red and blue weighted by the mean red between 2 and 3 ("redmean", a
// cheap stand-in for perceived difference), all times 256 to stay in integers.
int64_t colourDistance(int r1, int g1, int b1, int r2, int g2, int b2, int scale = 1);
int64_t colourDistance(Rgb a, Rgb b);

// The entry 0..254 nearest to a colour in units of 1/scale; ties go to the lower index.
// Entry 255 is never a candidate: it is the transparent index and shows black.
int nearestEntry(const Palette& palette, int r, int g, int b, int scale, int64_t* distance);

// Nearest entries for picture colours, remembered per colour. An exact colour always wins
// (the lowest such entry), so pictures drawn with the palette's colours map exactly.
class NearestColour {
 public:
  explicit NearestColour(const Palette& palette) : palette_(palette) {}
  // The entry for colour c; exact tells whether the entry holds c itself.
  int find(Rgb c, bool& exact);

 private:
  struct Found {
    uint8_t index;
    bool exact;
  };
  const Palette& palette_;
  std::unordered_map<uint32_t, Found> cache_;
};

}  // namespace tools
