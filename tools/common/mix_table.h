// mix_table.h -- the mixing table that blended text draws through
#pragma once

#include <cstdint>
#include <vector>

#include "common/palette_file.h"

namespace tools {

// Entry [a][b] (byte a x 256 + b) for a page pixel a under text of level b: the entry
// 0..254 nearest (by colourDistance) to the colour a x (100 - levelWeight)% + b x
// levelWeight%, so 50 gives the plain mean and half-transparent text. Entries a and b
// count with the colour they show, so 255 counts as black. Index 255 itself is chosen
// only when the mix is exactly black and no entry 0..254 is black: it shows black too.
std::vector<uint8_t> buildMixTable(const Palette& palette, int levelWeight = 50);

}  // namespace tools
