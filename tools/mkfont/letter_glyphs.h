// letter_glyphs.h -- the Hangul letter glyphs as the fit sees them: numbered components
#pragma once

#include <array>
#include <vector>

#include "gfx/fonts.h"
#include "gfx/hangul_compose.h"
#include "mkfont/unifont_hex.h"

namespace mkfont {

struct LetterGlyphs {
  Rows16 initials[gfx::kInitialSets][gfx::kInitialGlyphs]{};
  Rows16 medials[gfx::kMedialSets][gfx::kMedialGlyphs]{};
  Rows16 finals[gfx::kFinalSets][gfx::kFinalGlyphs]{};
};

// What the engine draws for a syllable of these parts: initial, medial and final OR-ed.
Rows16 composeRows(const LetterGlyphs& glyphs, const gfx::HangulParts& parts);

// Every glyph of every set numbered: initials, then medials, then finals.
constexpr int kMedialBase = gfx::kInitialSets * gfx::kInitialGlyphs;             // 160
constexpr int kFinalBase = kMedialBase + gfx::kMedialSets * gfx::kMedialGlyphs;  // 248
constexpr int kComponents = kFinalBase + gfx::kFinalSets * gfx::kFinalGlyphs;    // 360

enum class Kind { Initial, Medial, Final };
struct Component {
  Kind kind;
  int set, glyph;
};
Component componentAt(int id);
Rows16& glyphOf(LetterGlyphs& glyphs, int id);
// The components a syllable ORs together; -1 where it has none (no medial, no final).
std::array<int, 3> componentsOf(const gfx::HangulParts& parts);

int differingPixels(const Rows16& a, const Rows16& b);

// A syllable to fit: its letters as the engine picks them, and the reference glyph.
struct FitTarget {
  gfx::HangulParts parts;
  Rows16 reference{};
};

}  // namespace mkfont
