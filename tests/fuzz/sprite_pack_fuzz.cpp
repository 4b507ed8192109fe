// sprite_pack_fuzz.cpp -- sprite packs of any index and pixels: load, draw every slot, release
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "gfx/sprite_pack.h"
#include "support/fuzz_engine.h"

// The first byte says how many of the following bytes are the index file; the rest are pixels.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::startEngineOnce();
  if (size == 0) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  const size_t split = std::min<size_t>(data[0], bytes.size());
  fuzzing::writeFile("grim/f.idx", bytes.substr(0, split));
  fuzzing::writeFile("grim/f.res", bytes.substr(split));
  gfx::SpritePack pack;
  pack.load("f");
  for (int frame = -1; frame <= gfx::kPackFrames; ++frame)
    pack.draw(600 - 7 * frame, 460 - 3 * frame, frame);
  pack.release();
  return 0;
}
