// preview.h -- what a player sees of a map: windows of it over the far layer and the bar
#pragma once

#include <string>

#include "common/palette_file.h"
#include "pictures.h"

namespace scenery {

// The map's tint: the game tints a map by the second character of its name.
tools::Palette tintedPalette(const tools::Palette& palette, const char* mapName);

// Writes DIR/NAME_strip.png (the four camera windows 0, 320, 640, 960 side by side, as the
// view shows them, full size) and DIR/NAME_C.png for each camera C, doubled as on screen.
bool writeMapPreviews(const std::string& dir, const MapEntry& map, const Canvas& picture,
                      const Canvas& far, const Canvas& bar, const tools::Palette& palette);

}  // namespace scenery
