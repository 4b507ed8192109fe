// fonts.h -- the 8 x 16 font, the Hangul letter glyphs and the syllable codes, loaded once
#pragma once

#include <cstdint>

namespace gfx {

constexpr int kAsciiFontBytes = 4096;  // 256 glyphs x 16 rows, bit 7 leftmost
constexpr int kGlyph16Bytes = 32;      // 16 rows of two bytes, first byte high
constexpr int kInitialSets = 8, kInitialGlyphs = 20;
constexpr int kMedialSets = 4, kMedialGlyphs = 22;
constexpr int kFinalSets = 4, kFinalGlyphs = 28;
constexpr int kInitialBytes = kInitialSets * kInitialGlyphs * kGlyph16Bytes;  // 5120
constexpr int kMedialBytes = kMedialSets * kMedialGlyphs * kGlyph16Bytes;     // 2816
constexpr int kFinalBytes = kFinalSets * kFinalGlyphs * kGlyph16Bytes;        // 3584
constexpr int kHangulFontBytes = kInitialBytes + kMedialBytes + kFinalBytes;  // 11520
// One two-byte Johab code for each of the 25 x 94 KS X 1001 syllables.
constexpr int kSyllableRows = 25, kSyllablesPerRow = 94;
constexpr int kSyllableCodeBytes = kSyllableRows * kSyllablesPerRow * 2;  // 4700

// "grim\EngFont.fnt", "grim\HanFont.fnt" and "grim\han.inf". 1 when all three were read,
// 0 at the first file that cannot be opened or yields no bytes. Shows no message.
int loadFonts();
void freeAsciiFont();

}  // namespace gfx
