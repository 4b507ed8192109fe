// test_fonts.h -- a tiny font set for tests, whose glyphs say what was drawn
#pragma once

#include <cstdint>
#include <string>

namespace testing_support {

// Glyph b of the 8 x 16 font has every row equal to b.
std::string testAsciiFont();
// Each Hangul letter glyph inks only its own row (initials row 0, medials row 1, finals
// row 2) with testLetterRow(set, glyph), so a composed glyph shows the sets chosen.
std::string testHangulFont();
constexpr uint16_t testLetterRow(int set, int glyph) {
  return static_cast<uint16_t>(0x8000 | set << 8 | glyph);
}
// The real Johab codes of the 2350 syllables, from the C library's converter.
std::string testSyllableCodes();
// Writes grim/EngFont.fnt, grim/HanFont.fnt and grim/han.inf (each only when missing).
void writeTestFonts();

}  // namespace testing_support
