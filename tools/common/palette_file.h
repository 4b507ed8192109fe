// palette_file.h -- the game's palette files: 256 RGB entries and the 256 x 256 mixing table
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/data_formats.h"

namespace tools {

using common::kMixTableBytes;
using common::kPaletteColourBytes;
constexpr size_t kPaletteFileBytes = kPaletteColourBytes + kMixTableBytes;  // 66,304
// Transparent in sprites and map pictures; never sent to the screen, so it shows black.
using common::kTransparentIndex;

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

using Palette = std::array<Rgb, 256>;

struct PaletteFile {
  Palette colours{};
  // 65,536 entries, row by row; empty when the file holds the colours only.
  std::vector<uint8_t> mixTable;
};

// Accepts the two lengths the game's palettes come in: 66,304 bytes (colours, then the
// mixing table) or 768 (colours only, as cut-scene palettes may be). Any other length is
// an error, since it means the file is something else or was cut short.
bool readPaletteFile(const std::string& path, PaletteFile& palette, std::string& error);
// 768 bytes when mixTable is empty, 66,304 otherwise.
bool writePaletteFile(const std::string& path, const PaletteFile& palette, std::string& error);

// The colour the screen shows for an entry: its own, except entry 255, which is black.
Rgb shownColour(const Palette& palette, int index);
// The shown colours as 768 bytes of RGB (for a PNG's palette).
std::vector<uint8_t> shownPaletteBytes(const Palette& palette);
std::string hexColour(Rgb colour);  // "#rrggbb"
// "#rrggbb" or "rrggbb".
bool parseHexColour(const std::string& text, Rgb& colour);

}  // namespace tools
