// overlays.h -- what mapview writes over and under the game's picture of a map
#pragma once

#include <string>

#include "mapview/map_picture.h"

namespace mapview {

// The map area with the edge markers drawn over its sides and a band below it in which
// every character's slot, name and event stand under a tick from its feet.
RgbPicture annotated(const MapDrawing& map);
// A title line (the map's name and caption) over the annotated picture, for the sheet.
RgbPicture titled(const std::string& cp949Name, const MapDrawing& map);
// Pictures one under the other, as wide as the widest.
RgbPicture stacked(const std::vector<RgbPicture>& pictures);
// Every pixel made a scale x scale block.
RgbPicture enlarged(const RgbPicture& picture, int scale);

}  // namespace mapview
