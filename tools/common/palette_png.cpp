// palette_png.cpp -- palettes taken from PNG files: a palettized file's own, or a swatch
#include "common/palette_png.h"

namespace tools {
namespace {

Rgb pixel(const common::RgbaImage& image, int x, int y) {
  const size_t at = (size_t(y) * size_t(image.width) + size_t(x)) * 4;
  return Rgb{image.rgba[at], image.rgba[at + 1], image.rgba[at + 2]};
}

bool fromSwatch(const common::RgbaImage& image, Palette& palette, std::string& error) {
  if (image.width != image.height || image.width % 16 != 0) {
    error = "a swatch is square with a side divisible by 16 (16 x 16 cells); this picture is " +
            std::to_string(image.width) + " x " + std::to_string(image.height);
    return false;
  }
  const int cell = image.width / 16;
  for (int i = 0; i < 256; ++i) {
    const int left = (i % 16) * cell, top = (i / 16) * cell;
    const Rgb c = pixel(image, left, top);
    for (int y = top; y < top + cell; ++y)
      for (int x = left; x < left + cell; ++x)
        if (!(pixel(image, x, y) == c)) {
          error = "swatch cell " + std::to_string(i) + " (row " + std::to_string(i / 16) +
                  ", column " + std::to_string(i % 16) + ") is not of one colour";
          return false;
        }
    palette[size_t(i)] = c;
  }
  return true;
}

}  // namespace

bool paletteFromPng(const common::RgbaImage& image, bool swatch, Palette& palette, int& count,
                    std::string& error) {
  palette = Palette{};
  if (swatch || image.palette.empty()) {
    count = 256;
    return fromSwatch(image, palette, error);
  }
  count = int(image.palette.size() / 3);
  for (int i = 0; i < count && i < 256; ++i)
    palette[size_t(i)] = Rgb{image.palette[size_t(3 * i)], image.palette[size_t(3 * i + 1)],
                             image.palette[size_t(3 * i + 2)]};
  return true;
}

}  // namespace tools
