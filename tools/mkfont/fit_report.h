// fit_report.h -- how closely the engine's composed syllables match the reference glyphs
#pragma once

#include <string>
#include <vector>

#include "mkfont/syllables.h"
#include "mkfont/unifont_hex.h"

namespace mkfont {

// Puts the three files' bytes into the engine's font tables, as loading them would.
void installFonts(const std::string& ascii, const std::string& hangul, const std::string& codes);

struct FitReport {
  int syllables = 0, exact = 0;
  long differing = 0;  // pixels, over all syllables
  int largest = 0;
  int largestCodePoint = 0;
  std::string text() const;  // one line, UTF-8
};

// Composes every syllable with the engine's own composeHangulGlyph from the installed
// tables and compares it with the reference.
FitReport measureFit(const std::vector<Syllable>& ks, const HexFont& reference);

}  // namespace mkfont
