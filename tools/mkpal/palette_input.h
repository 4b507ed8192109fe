// palette_input.h -- the colours mkpal starts from: a colour list, a PNG or a palette file
#pragma once

#include <string>

#include "common/palette_file.h"

namespace mkpal {

struct PaletteInput {
  tools::Palette colours{};
  int given = 0;  // entries the input gave; the others are black
  bool entry255Given = false;
};

// The input's kind is told from its content: a PNG by its signature, a palette file by its
// ".pal" ending, anything else is read as a colour list.
bool readPaletteInput(const std::string& path, bool swatch, PaletteInput& input,
                      std::string& error);

}  // namespace mkpal
