// unifont_hex.h -- reading GNU Unifont's .hex glyph lists (code point : hex bitmap)
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace mkfont {

// 16 rows, top first; bit 15 is the leftmost pixel (8-wide glyphs fill bits 15 to 8).
using Rows16 = std::array<uint16_t, 16>;

struct HexGlyph {
  int width = 0;  // 8 or 16
  Rows16 rows{};
};

using HexFont = std::map<int, HexGlyph>;

// Every line "XXXX:bitmap" with 32 (8 x 16) or 64 (16 x 16) hex digits; other widths are
// skipped. false with a message naming the file and line when a line is malformed.
bool readUnifontHex(const std::string& path, HexFont& font, std::string& error);

}  // namespace mkfont
