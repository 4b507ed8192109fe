// palette_png.h -- palettes taken from PNG files: a palettized file's own, or a swatch
#pragma once

#include <string>

#include "common/palette_file.h"
#include "common/png_image.h"

namespace tools {

// A palettized PNG gives its palette (entries past its last are black, count says how
// many it had). Any other PNG, or any with swatch set, must be a swatch: square, with a
// side divisible by 16, made of 16 x 16 cells of one colour each; entry i is the cell in
// row i / 16, column i % 16.
bool paletteFromPng(const common::RgbaImage& image, bool swatch, Palette& palette, int& count,
                    std::string& error);

}  // namespace tools
