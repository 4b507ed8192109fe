// sample_sheet.h -- a PNG of text drawn with the fonts by the engine's own text routines
#pragma once

#include <string>
#include <vector>

#include "mkfont/syllables.h"
#include "mkfont/unifont_hex.h"

namespace mkfont {

// The sample lines (UTF-8) at twice their size, then every syllable of the table as the
// engine composes it (black, on red where it differs from Unifont) over Unifont's own glyph
// (grey). The fonts must be installed in the engine's tables.
bool writeSampleSheet(const std::string& path, const std::vector<std::string>& lines,
                      const std::vector<Syllable>& ks, const HexFont& reference,
                      std::string& error);

// The sample lines used when none are given.
std::vector<std::string> defaultSampleLines();

}  // namespace mkfont
