// fonts.h -- the 8 x 16 font, the Hangul letter glyphs and the syllable codes, loaded once
#pragma once

#include <cstdint>

#include "common/data_formats.h"

namespace gfx {

// The font files' sizes, from common/data_formats.h.
using common::kAsciiFontBytes;
using common::kFinalBytes;
using common::kFinalGlyphs;
using common::kFinalSets;
using common::kGlyph16Bytes;
using common::kHangulFontBytes;
using common::kInitialBytes;
using common::kInitialGlyphs;
using common::kInitialSets;
using common::kMedialBytes;
using common::kMedialGlyphs;
using common::kMedialSets;
using common::kSyllableCodeBytes;
using common::kSyllableRows;
using common::kSyllablesPerRow;

// "grim\EngFont.fnt", "grim\HanFont.fnt" and "grim\han.inf". 1 when all three were read,
// 0 at the first file that cannot be opened or yields no bytes. Shows no message.
int loadFonts();
void freeAsciiFont();

}  // namespace gfx
