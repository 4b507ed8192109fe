// letter_areas.h -- the part of the cell where each vowel glyph may ink
#pragma once

#include <vector>

#include "mkfont/letter_glyphs.h"

namespace mkfont {

// For every medial component, the pixels it may ink (other components get no entry's
// meaning and are all clear). Each reference syllable is split into its letters' parts:
// the initial's part is what changes when only the initial changes, the final's what
// changes with the final (from firstFinalRow down), the vowel's the rest. A vowel glyph may
// ink where the vowel's part lies in some syllable that uses it and no other letter's part
// lies in any of them, so that it cannot take over strokes of the initial. `modern` must
// hold all 11172 syllables.
std::vector<Rows16> vowelAreas(const std::vector<FitTarget>& modern, int firstFinalRow);

}  // namespace mkfont
