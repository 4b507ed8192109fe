// contact_sheet.h -- every pack's frames, doubled, on snow: a picture for reviewing the art
#pragma once

#include <string>
#include <vector>

#include "art/packs.h"
#include "common/palette_file.h"

namespace art {

struct SheetRow {
  std::string name;
  Frames frames;
};

// font: the game's 8 x 16 font (256 glyphs of 16 rows, bit 7 leftmost) for the pack names;
// empty leaves the names out. scale: how many sheet pixels a frame pixel takes.
bool writeContactSheet(const std::string& path, const std::vector<SheetRow>& rows,
                       const tools::Palette& palette, const std::string& font, int scale,
                       std::string& error);

}  // namespace art
