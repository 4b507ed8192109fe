// text_draw.cpp -- walking a string and plotting its glyphs into a page
#include "gfx/text_draw.h"

#include <bit>

#include "display/palette.h"
#include "gfx/fonts.h"
#include "gfx/gfx_state.h"
#include "gfx/hangul_compose.h"

namespace gfx {
namespace {

using display::PixelPage;

// Stores one palette index.
struct SolidInk {
  uint8_t colour;
  uint8_t operator()(uint8_t) const { return colour; }
};

// Looks the page's pixel up in the mixing table; only the entry's low byte counts.
struct BlendedInk {
  int level;
  const int32_t* mix;
  uint8_t operator()(uint8_t under) const {
    return static_cast<uint8_t>(mix[under * common::kPaletteColours + level]);
  }
};

// Inks the set bits of one glyph row into page row y: bit 15 is column x, bit 0
// column x + 15. Text is placed by the caller, but a line from a data file may run
// past the edge; such pixels are dropped rather than written into the next row or
// past the page.
template <typename Ink>
void inkRow(PixelPage* page, int x, int y, uint16_t bits, Ink ink) {
  if (bits == 0 || y < 0 || y >= display::kPageHeight) return;
  if (x < 0) bits = x > -16 ? uint16_t(bits & (0xFFFFu >> -x)) : 0;
  if (x > display::kPageWidth - 16)
    bits = x < display::kPageWidth ? uint16_t(bits & ~(0xFFFFu >> (display::kPageWidth - x))) : 0;
  uint8_t* row = page->rows[y];
  while (bits) {
    const int c = std::countl_zero(bits);
    bits = uint16_t(bits & ~(0x8000u >> c));
    row[x + c] = ink(row[x + c]);
  }
}

template <typename Ink>
void plotAscii(PixelPage* page, int x, int y, uint8_t code, Ink ink) {
  const uint8_t* font = gfxState().asciiFont.get();
  if (!font) return;  // fonts not loaded: the cell stays blank
  const uint8_t* glyph = font + code * 16;
  for (int r = 0; r < 16; ++r) inkRow(page, x, y + r, uint16_t(glyph[r] << 8), ink);
}

template <typename Ink>
void plotWide(PixelPage* page, int x, int y, const uint8_t* glyph, Ink ink) {
  for (int r = 0; r < 16; ++r)
    inkRow(page, x, y + r, uint16_t(glyph[2 * r] << 8 | glyph[2 * r + 1]), ink);
}

template <typename Ink>
void drawString(PixelPage* page, int x, int y, const char* text, Ink ink) {
  if (!page || !page->rows || !text) return;
  const auto* s = reinterpret_cast<const uint8_t*>(text);
  int pen = x;
  while (*s) {
    if (*s < 0x80) {
      plotAscii(page, pen, y, *s, ink);
      pen += 8;
      ++s;
      continue;
    }
    // A lead byte with the terminator as its trail ends the string.
    if (s[1] == 0) return;
    // Symbols, Hanja and the extended syllables have no codes: a blank cell.
    if (isHangulSyllable(s[0], s[1]))
      plotWide(page, pen, y, composeHangulGlyph(s[0], s[1]).data(), ink);
    pen += 16;
    s += 2;
  }
}

}  // namespace

void drawText(PixelPage* page, int x, int y, const char* text, int colour) {
  drawString(page, x, y, text, SolidInk{static_cast<uint8_t>(colour)});
}

void drawTextBlended(PixelPage* page, int x, int y, const char* text, int level) {
  drawString(page, x, y, text, BlendedInk{level & 0xFF, display::displayState().MixTable});
}

void plotGlyph16(PixelPage* page, int x, int y, const uint8_t* glyph, int colour) {
  if (page && page->rows) plotWide(page, x, y, glyph, SolidInk{static_cast<uint8_t>(colour)});
}

void plotGlyph16Blended(PixelPage* page, int x, int y, const uint8_t* glyph, int level) {
  if (page && page->rows)
    plotWide(page, x, y, glyph, BlendedInk{level & 0xFF, display::displayState().MixTable});
}

}  // namespace gfx
