// fit_report.cpp -- measuring the composed syllables against the reference glyphs
#include "mkfont/fit_report.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <new>

#include "gfx/fonts.h"
#include "gfx/gfx_state.h"
#include "gfx/hangul_compose.h"

namespace mkfont {
namespace {

void copyInto(uint8_t* table, size_t size, const std::string& bytes) {
  std::memset(table, 0, size);
  std::memcpy(table, bytes.data(), std::min(size, bytes.size()));
}

std::string utf8Of(int codePoint) {
  std::string s;
  s += static_cast<char>(0xE0 | codePoint >> 12);
  s += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
  s += static_cast<char>(0x80 | (codePoint & 0x3F));
  return s;
}

}  // namespace

void installFonts(const std::string& ascii, const std::string& hangul, const std::string& codes) {
  gfx::GfxState& g = gfx::gfxState();
  if (!g.asciiFont) g.asciiFont = std::make_unique<uint8_t[]>(gfx::kAsciiFontBytes);
  copyInto(g.asciiFont.get(), gfx::kAsciiFontBytes, ascii);
  copyInto(g.hangulInitials, gfx::kInitialBytes, hangul);
  copyInto(g.hangulMedials, gfx::kMedialBytes,
           hangul.substr(std::min(hangul.size(), size_t(gfx::kInitialBytes))));
  copyInto(g.hangulFinals, gfx::kFinalBytes,
           hangul.substr(std::min(hangul.size(), size_t(gfx::kInitialBytes + gfx::kMedialBytes))));
  copyInto(g.syllableCodes, gfx::kSyllableCodeBytes, codes);
}

std::string FitReport::text() const {
  char line[256];
  std::snprintf(line, sizeof line,
                "%d of %d syllables compose to exactly Unifont's glyph (%.1f %%); differing pixels "
                "of 256: mean %.2f, largest %d (%s)",
                exact, syllables, syllables ? 100.0 * exact / syllables : 0.0,
                syllables ? double(differing) / syllables : 0.0, largest,
                largestCodePoint ? utf8Of(largestCodePoint).c_str() : "-");
  return line;
}

FitReport measureFit(const std::vector<Syllable>& ks, const HexFont& reference) {
  FitReport report;
  for (const Syllable& s : ks) {
    const gfx::Glyph16 composed = gfx::composeHangulGlyph(s.lead, s.trail);
    const auto it = reference.find(s.codePoint);
    int differing = 0;
    for (int r = 0; r < 16; ++r) {
      const unsigned row = composed[2 * r] << 8 | composed[2 * r + 1];
      differing += std::popcount(row ^ (it != reference.end() ? it->second.rows[r] : 0u));
    }
    ++report.syllables;
    report.exact += differing == 0;
    report.differing += differing;
    if (differing > report.largest) {
      report.largest = differing;
      report.largestCodePoint = s.codePoint;
    }
  }
  return report;
}

}  // namespace mkfont
