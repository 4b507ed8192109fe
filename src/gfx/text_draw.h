// text_draw.h -- code-page-949 strings in the 8 x 16 font and the composed Hangul font
#pragma once

#include <cstdint>

#include "display/pixel_page.h"

namespace gfx {

// One line from (x, y), the top-left corner of the first character: a byte below 0x80
// is an 8-pixel glyph, a lead byte and its trail a 16-pixel syllable. Not wrapped;
// pixels that would fall outside the page are dropped.
void drawText(display::PixelPage* page, int x, int y, const char* text, int colour);
// As drawText, but an inked pixel over page index p becomes mixing-table entry [p][level].
void drawTextBlended(display::PixelPage* page, int x, int y, const char* text, int level);

// A 16 x 16 glyph: 16 rows of two bytes, first byte high, bit 15 leftmost.
void plotGlyph16(display::PixelPage* page, int x, int y, const uint8_t* glyph, int colour);
void plotGlyph16Blended(display::PixelPage* page, int x, int y, const uint8_t* glyph, int level);

}  // namespace gfx
