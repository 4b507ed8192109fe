// letter_glyphs.cpp -- numbering the letter glyphs and composing them as the engine does
#include "mkfont/letter_glyphs.h"

#include <bit>

namespace mkfont {

Rows16 composeRows(const LetterGlyphs& glyphs, const gfx::HangulParts& parts) {
  Rows16 out = glyphs.initials[parts.initialSet][parts.initialGlyph];
  for (int r = 0; r < 16; ++r) {
    if (parts.medialGlyph) out[r] |= glyphs.medials[parts.medialSet][parts.medialGlyph][r];
    if (parts.finalGlyph) out[r] |= glyphs.finals[parts.finalSet][parts.finalGlyph][r];
  }
  return out;
}

Component componentAt(int id) {
  if (id < kMedialBase)
    return {Kind::Initial, id / common::kInitialGlyphs, id % common::kInitialGlyphs};
  if (id < kFinalBase) {
    const int i = id - kMedialBase;
    return {Kind::Medial, i / common::kMedialGlyphs, i % common::kMedialGlyphs};
  }
  const int i = id - kFinalBase;
  return {Kind::Final, i / common::kFinalGlyphs, i % common::kFinalGlyphs};
}

Rows16& glyphOf(LetterGlyphs& glyphs, int id) {
  const Component c = componentAt(id);
  if (c.kind == Kind::Initial) return glyphs.initials[c.set][c.glyph];
  if (c.kind == Kind::Medial) return glyphs.medials[c.set][c.glyph];
  return glyphs.finals[c.set][c.glyph];
}

std::array<int, 3> componentsOf(const gfx::HangulParts& p) {
  std::array<int, 3> ids{-1, -1, -1};
  ids[0] = p.initialSet * common::kInitialGlyphs + p.initialGlyph;
  if (p.medialGlyph) ids[1] = kMedialBase + p.medialSet * common::kMedialGlyphs + p.medialGlyph;
  if (p.finalGlyph) ids[2] = kFinalBase + p.finalSet * common::kFinalGlyphs + p.finalGlyph;
  return ids;
}

int differingPixels(const Rows16& a, const Rows16& b) {
  int n = 0;
  for (int r = 0; r < 16; ++r) n += std::popcount(static_cast<unsigned>(a[r] ^ b[r]));
  return n;
}

}  // namespace mkfont
