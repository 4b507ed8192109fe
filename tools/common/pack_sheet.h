// pack_sheet.h -- a sprite pack as one PNG sheet that authors can paint in
#pragma once

#include <string>
#include <vector>

#include "common/palette_file.h"
#include "common/pixel_mapping.h"
#include "common/png_image.h"
#include "common/sprite_pack_file.h"

namespace tools {

// The sheet: the frames left to right in frame order, each inside a box, a one-pixel
// border of the guide colour around the frame's own width x height. Every box's top edge
// lies on the sheet's top row and boxes are kept apart by at least one column that is not
// of the guide colour on that row. Index 255 (transparent) is a fully transparent pixel.
// A 0 x 0 frame is a box of 2 x 2 guide pixels. Below and between the boxes the sheet is
// transparent and is not read, but nothing directly below a box's left edge may be of the
// guide colour.
constexpr Rgb kDefaultGuide{255, 0, 255};

struct FrameBox {
  int left, top, width, height;  // the frame inside the border
};

// The boxes on the sheet's top row, left to right; error says where a box is broken.
bool findFrameBoxes(const common::RgbaImage& sheet, Rgb guide, std::vector<FrameBox>& boxes,
                    std::string& error);

// The frames of a sheet through the palette (see PixelMapper); at most 50 boxes.
bool framesFromSheet(const common::RgbaImage& sheet, const Palette& palette, Rgb guide,
                     std::vector<PackFrame>& frames, MappingCounts& counts, std::string& error);

// Writes the sheet as a palettized PNG with the palette's shown colours, the guide colour
// in an entry no frame uses (so that every index comes back as it was). When the frames use
// all of 0..254 it is written in true colour instead and note says so.
bool writePackSheet(const std::string& path, const std::vector<PackFrame>& frames,
                    const Palette& palette, Rgb guide, std::string& note, std::string& error);

}  // namespace tools
