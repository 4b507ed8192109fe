// font_files.h -- the bytes of "EngFont.fnt", "HanFont.fnt" and "han.inf"
#pragma once

#include <string>
#include <vector>

#include "mkfont/letter_glyphs.h"
#include "mkfont/syllables.h"
#include "mkfont/unifont_hex.h"

namespace mkfont {

// 256 glyphs of 16 rows, bit 7 leftmost: byte b gets Unifont's 8 x 16 glyph of code point
// b where there is one (ASCII and Latin-1), else a blank (control characters).
std::string asciiFontBytes(const HexFont& font);
// Initials (8 sets x 20), medials (4 x 22), finals (4 x 28); 32 bytes a glyph, rows first
// byte high.
std::string hangulFontBytes(const LetterGlyphs& glyphs);
// The 2350 Johab codes in table order, high byte first.
std::string syllableCodeBytes(const std::vector<Syllable>& ks);

bool writeBytes(const std::string& path, const std::string& bytes, std::string& error);

}  // namespace mkfont
