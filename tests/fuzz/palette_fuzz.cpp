// palette_fuzz.cpp -- palette files of any length and content, then a fade and a tint
#include <cstddef>
#include <cstdint>
#include <string>

#include "display/palette.h"
#include "support/fuzz_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::startEngineOnce();
  fuzzing::writeFile("grim/fuzz.pal", std::string(reinterpret_cast<const char*>(data), size));
  display::LoadPalette("grim\\fuzz.pal");
  display::SetBrightness(size % 101);
  display::TintPalette(int(size % 7) - 3, -40, 15);
  return 0;
}
