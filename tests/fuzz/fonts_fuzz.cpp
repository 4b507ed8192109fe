// fonts_fuzz.cpp -- font files of any length and content: EngFont.fnt, HanFont.fnt and han.inf
// loaded, then every character drawn
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "display/display_state.h"
#include "display/pixel_page.h"
#include "gfx/fonts.h"
#include "gfx/gfx_state.h"
#include "gfx/text_draw.h"
#include "support/fuzz_engine.h"

// The first two bytes say how long the first two files are; the rest is the third file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::startEngineOnce();
  if (size < 2) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
  const size_t english = std::min<size_t>(size_t(data[0]) * 32, bytes.size());
  const size_t hangul = std::min<size_t>(size_t(data[1]) * 64, bytes.size() - english);
  fuzzing::writeFile("grim/EngFont.fnt", bytes.substr(0, english));
  fuzzing::writeFile("grim/HanFont.fnt", bytes.substr(english, hangul));
  fuzzing::writeFile("grim/han.inf", bytes.substr(english + hangul));
  gfx::gfxState() = gfx::GfxState{};
  if (!gfx::loadFonts()) return 0;
  // Every byte as a single character, then the rows of symbols and syllables and one past them,
  // with trail bytes from one below to one above their range.
  std::string text;
  for (int c = 1; c < 256; ++c) text += char(c);
  gfx::drawText(display::displayState().APAGE.get(), 0, 0, text.c_str(), 7);
  for (int lead = 0xA1; lead <= 0xC9; ++lead) {
    std::string row;
    for (int trail = 0xA0; trail <= 0xFF; ++trail) row += {char(lead), char(trail)};
    gfx::drawTextBlended(display::displayState().APAGE.get(), -8 * (lead % 40), 4 * (lead - 0xA1),
                         row.c_str(), lead);
  }
  return 0;
}
