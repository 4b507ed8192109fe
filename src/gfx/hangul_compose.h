// hangul_compose.h -- building a 16 x 16 syllable glyph from its letters' glyphs
#pragma once

#include <array>
#include <cstdint>

namespace gfx {

// Johab letter code (5 bits) to glyph index within a set; 0 means no letter.
extern const uint8_t initialCodeToGlyph[32];
extern const uint8_t medialCodeToGlyph[32];
extern const uint8_t finalCodeToGlyph[32];
// The shape (set) of each letter, chosen by the other letters of the syllable.
extern const uint8_t initialSetTable[2][22];  // [has final][medial glyph]
extern const uint8_t medialSetTable[2][20];   // [has final][initial glyph]
extern const uint8_t finalSetTable[22];       // [medial glyph]

// The glyphs and sets that compose one syllable; finalGlyph 0 means no final.
struct HangulParts {
  int initialGlyph = 0, medialGlyph = 0, finalGlyph = 0;
  int initialSet = 0, medialSet = 0, finalSet = 0;
};
HangulParts hangulPartsOf(uint16_t johabCode);

// Lead 0xB0..0xC8 with trail 0xA1..0xFE: the KS X 1001 syllable block.
bool isHangulSyllable(uint8_t lead, uint8_t trail);
// The syllable's entry of syllableCodes (high byte first); 0 outside the block.
uint16_t syllableCodeOf(uint8_t lead, uint8_t trail);

using Glyph16 = std::array<uint8_t, 32>;
// Initial copied (even glyph 0), medial and final OR-ed on. Blank outside the block.
Glyph16 composeHangulGlyph(uint8_t lead, uint8_t trail);

}  // namespace gfx
