// glyph_fit.h -- fitting the Hangul letter glyphs so that composed syllables match a reference
#pragma once

#include <vector>

#include "mkfont/letter_glyphs.h"

namespace mkfont {

struct FitSettings {
  // Finals ink only from this row down; under ㅗ ㅛ ㅜ ㅠ ㅡ (final set 3), whose bars lie
  // lower, only from the next row, or a bar moved by the final would be drawn twice.
  int firstFinalRow = 8;
  int wideVowelWeight = 2;  // ㅝ, ㅞ, ㅟ with a final count this many times
  int farOffPixels = 4;     // after a fit, syllables off by more than this...
  int farOffDivisor = 8;    // ...count this much less in the next
  int refits = 1;
  int improveRounds = 1000;  // random kicks of the local search, per pixel
};

// Letters used by the syllables of `wanted` are fitted to them; letters that only `others`
// use are then fitted to those, with the first ones kept. wanted and others together must
// be all 11172 modern syllables. Deterministic: the same input gives the same glyphs, bit
// for bit, on every system.
LetterGlyphs fitLetterGlyphs(const std::vector<FitTarget>& wanted,
                             const std::vector<FitTarget>& others,
                             const FitSettings& settings = {});

}  // namespace mkfont
