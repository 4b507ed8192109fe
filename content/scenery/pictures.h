// pictures.h -- every picture the scenery program draws
#pragma once

#include <cstdint>
#include <vector>

#include "canvas.h"

namespace scenery {

// Map pictures: 1280 x 177, sky kClear, the walkable ground along row kGroundRow.
constexpr int kMapWidth = 1280;
constexpr int kMapHeight = 177;
constexpr int kGroundRow = 160;

Canvas drawMap20();  // the village gate
Canvas drawMap21();  // the village square
Canvas drawMap24();  // the frozen lake
Canvas drawMap35();  // the birch forest
Canvas drawMap37();  // the icy valley and its chasm
Canvas drawMap42();  // the lantern hill

struct MapEntry {
  const char* name;
  Canvas (*draw)();
};
const std::vector<MapEntry>& mapEntries();

Canvas drawFarLayer();   // 800 x 240, the sky behind every map
Canvas drawStatusBar();  // 320 x 63

// A cut-scene picture: 640 x 480 indices and its own palette (entry 13 the text's face,
// 14 its outline).
struct CutScene {
  std::vector<uint8_t> indices;
  std::vector<uint8_t> palette;  // 256 RGB triples
};
CutScene drawOpening();
CutScene drawEnding();

}  // namespace scenery
