// letter_glyphs.h -- the Hangul letter glyphs as the fit sees them: numbered components
#pragma once

#include <array>
#include <vector>

#include "common/data_formats.h"
#include "gfx/fonts.h"
#include "gfx/hangul_compose.h"
#include "mkfont/unifont_hex.h"

namespace mkfont {

struct LetterGlyphs {
  Rows16 initials[common::kInitialSets][common::kInitialGlyphs]{};
  Rows16 medials[common::kMedialSets][common::kMedialGlyphs]{};
  Rows16 finals[common::kFinalSets][common::kFinalGlyphs]{};
};

// What the engine draws for a syllable of these parts: initial, medial and final OR-ed.
Rows16 composeRows(const LetterGlyphs& glyphs, const gfx::HangulParts& parts);

// Every glyph of every set numbered: initials, then medials, then finals.
constexpr int kMedialBase = common::kInitialSets * common::kInitialGlyphs;             // 160
constexpr int kFinalBase = kMedialBase + common::kMedialSets * common::kMedialGlyphs;  // 248
constexpr int kComponents = kFinalBase + common::kFinalSets * common::kFinalGlyphs;    // 360

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
