// hangul_compose.cpp -- the letter tables and the composition of one syllable
#include "gfx/hangul_compose.h"

#include "gfx/fonts.h"
#include "gfx/gfx_state.h"

namespace gfx {

// Codes 2 to 20 are the 19 initials; 1 is the fill code.
const uint8_t initialCodeToGlyph[32] = {0,  0,  1,  2,  3,  4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14,
                                        15, 16, 17, 18, 19, 0, 0, 0, 0, 0, 0, 0,  0,  0,  0,  0};
// Johab leaves gaps in the vowel codes (8-9, 16-17, 24-25); 2 is the fill code.
const uint8_t medialCodeToGlyph[32] = {0, 0, 0,  1,  2,  3,  4,  5,  0, 0, 6,  7,  8,  9,  10, 11,
                                       0, 0, 12, 13, 14, 15, 16, 17, 0, 0, 18, 19, 20, 21, 0,  0};
// Code 18 is a gap between the finals ㅁ and ㅂ.
const uint8_t finalCodeToGlyph[32] = {0,  0,  1, 2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                      15, 16, 0, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 0,  0};

const uint8_t initialSetTable[2][22] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 3, 3, 3, 1, 2, 4, 4, 4, 2, 1, 3, 0},
    {0, 5, 5, 5, 5, 5, 5, 5, 5, 6, 7, 7, 7, 6, 6, 7, 7, 7, 6, 6, 7, 5},
};
// ㄱ (glyph 1) and ㅋ (glyph 16) take vowel shapes of their own.
const uint8_t medialSetTable[2][20] = {
    {0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1},
    {0, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2, 3, 3, 3},
};
const uint8_t finalSetTable[22] = {0, 0, 2, 0, 2, 1, 2, 1, 2, 3, 0,
                                   2, 1, 3, 3, 1, 2, 1, 3, 3, 1, 1};

HangulParts hangulPartsOf(uint16_t johabCode) {
  HangulParts p;
  p.initialGlyph = initialCodeToGlyph[(johabCode >> 10) & 31];
  p.medialGlyph = medialCodeToGlyph[(johabCode >> 5) & 31];
  p.finalGlyph = finalCodeToGlyph[johabCode & 31];
  const int hasFinal = p.finalGlyph != 0 ? 1 : 0;
  p.initialSet = initialSetTable[hasFinal][p.medialGlyph];
  p.medialSet = medialSetTable[hasFinal][p.initialGlyph];
  p.finalSet = finalSetTable[p.medialGlyph];
  return p;
}

bool isHangulSyllable(uint8_t lead, uint8_t trail) {
  return lead >= 0xB0 && lead <= 0xC8 && trail >= 0xA1 && trail <= 0xFE;
}

uint16_t syllableCodeOf(uint8_t lead, uint8_t trail) {
  if (!isHangulSyllable(lead, trail)) return 0;
  const int at = (lead - 0xB0) * 188 + (trail - 0xA1) * 2;
  const uint8_t* syllableCodes = gfxState().syllableCodes;
  return static_cast<uint16_t>(syllableCodes[at] << 8 | syllableCodes[at + 1]);
}

namespace {

void orGlyph(Glyph16& into, const uint8_t* glyph) {
  for (int i = 0; i < kGlyph16Bytes; ++i) into[i] |= glyph[i];
}

}  // namespace

Glyph16 composeHangulGlyph(uint8_t lead, uint8_t trail) {
  Glyph16 work{};
  if (!isHangulSyllable(lead, trail)) return work;
  const HangulParts p = hangulPartsOf(syllableCodeOf(lead, trail));
  const GfxState& g = gfxState();
  orGlyph(work,
          g.hangulInitials + (p.initialSet * kInitialGlyphs + p.initialGlyph) * kGlyph16Bytes);
  if (p.medialGlyph != 0)
    orGlyph(work, g.hangulMedials + (p.medialSet * kMedialGlyphs + p.medialGlyph) * kGlyph16Bytes);
  if (p.finalGlyph != 0)
    orGlyph(work, g.hangulFinals + (p.finalSet * kFinalGlyphs + p.finalGlyph) * kGlyph16Bytes);
  return work;
}

}  // namespace gfx
