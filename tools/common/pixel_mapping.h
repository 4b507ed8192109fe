// pixel_mapping.h -- turning a PNG's pixels into palette indices, counting what had to give
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/nearest_colour.h"
#include "common/palette_file.h"
#include "common/png_image.h"

namespace tools {

struct MappingCounts {
  size_t pixels = 0;
  size_t nearest = 0;      // colours not in the palette, given the nearest entry
  size_t transparent = 0;  // alpha below 128, given index 255
};

// The index of a pixel, in this order:
// 1. alpha below 128: index 255, the transparent index;
// 2. a palettized PNG's index k is kept when the PNG's colour k is the colour entry k
//    shows (entry 255 shows black), so pictures written by the tools come back exactly;
// 3. otherwise the colour's exact entry, or the nearest (entries 0..254, NearestColour).
class PixelMapper {
 public:
  PixelMapper(const Palette& palette, const common::RgbaImage& image);
  int index(int x, int y);
  const MappingCounts& counts() const { return counts_; }

 private:
  const common::RgbaImage& image_;
  NearestColour nearest_;
  std::array<bool, 256> keepIndex_{};
  MappingCounts counts_;
};

// The indices of the rectangle (left, top, width, height) of the image, row by row.
std::vector<uint8_t> mapPixels(PixelMapper& mapper, int left, int top, int width, int height);

}  // namespace tools
