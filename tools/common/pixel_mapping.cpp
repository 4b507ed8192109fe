// pixel_mapping.cpp -- turning a PNG's pixels into palette indices, counting what had to give
#include "common/pixel_mapping.h"

namespace tools {

PixelMapper::PixelMapper(const Palette& palette, const common::RgbaImage& image)
    : image_(image), nearest_(palette) {
  if (image.indices.empty()) return;
  const int pngEntries = int(image.palette.size() / 3);
  for (int k = 0; k < pngEntries && k < 256; ++k) {
    const Rgb png{image.palette[size_t(3 * k)], image.palette[size_t(3 * k + 1)],
                  image.palette[size_t(3 * k + 2)]};
    keepIndex_[size_t(k)] = png == shownColour(palette, k);
  }
}

int PixelMapper::index(int x, int y) {
  const size_t at = size_t(y) * size_t(image_.width) + size_t(x);
  const uint8_t* p = &image_.rgba[at * 4];
  ++counts_.pixels;
  if (p[3] < 128) {
    ++counts_.transparent;
    return kTransparentIndex;
  }
  if (!image_.indices.empty() && keepIndex_[image_.indices[at]]) return image_.indices[at];
  bool exact = false;
  const int found = nearest_.find(Rgb{p[0], p[1], p[2]}, exact);
  if (!exact) ++counts_.nearest;
  return found;
}

std::vector<uint8_t> mapPixels(PixelMapper& mapper, int left, int top, int width, int height) {
  std::vector<uint8_t> indices;
  indices.reserve(size_t(width) * size_t(height));
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) indices.push_back(uint8_t(mapper.index(x, y)));
  return indices;
}

}  // namespace tools
