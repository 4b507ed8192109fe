// text_fuzz.cpp -- any bytes drawn as text anywhere on the page, with the game's fonts or with
// font files of any length and content
#include <cstddef>
#include <cstdint>
#include <string>

#include "display/display_state.h"
#include "display/pixel_page.h"
#include "gfx/fonts.h"
#include "gfx/text_draw.h"
#include "support/fuzz_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::startEngineOnce();
  if (size < 4) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data + 4), size - 4);
  // Every so often the input is the fonts as well: EngFont, HanFont and han.inf in thirds.
  if (data[0] == 'F') {
    const size_t third = bytes.size() / 3;
    fuzzing::writeFile("grim/EngFont.fnt", bytes.substr(0, third));
    fuzzing::writeFile("grim/HanFont.fnt", bytes.substr(third, third));
    fuzzing::writeFile("grim/han.inf", bytes.substr(2 * third));
    gfx::loadFonts();
  }
  // Anywhere from well left of and above the page to past its far corner.
  const int x = (data[1] | data[2] << 8) % 1000 - 200;
  const int y = data[3] * 3 - 100;
  gfx::drawText(display::displayState().APAGE.get(), x, y, bytes.c_str(), data[1]);
  gfx::drawTextBlended(display::displayState().APAGE.get(), x, y, bytes.c_str(), data[2]);
  return 0;
}
