// sprite_pack_file.h -- sprite packs on disk: the ".idx" frame sizes and the ".res" pixels
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/data_formats.h"

namespace tools {

// The game draws frames unclipped into its 640 x 480 page, so no larger frame can be shown.
using common::kMaxFrameHeight;
using common::kMaxFrameWidth;

struct PackFrame {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;  // width x height indices, top row first
};

// The path without a ".idx" or ".res" ending: the pack is stem.idx and stem.res.
std::string packStem(const std::string& path);

// The index text: the frame count, then each frame's width and height, a line each, with
// CR LF line ends.
std::string formatPackIndex(const std::vector<PackFrame>& frames);
// Frame sizes from index text (whitespace-separated decimal numbers); errors name the file
// and the line. warning tells of numbers after the last frame, which are not read.
bool parsePackIndex(const std::string& text, const std::string& name,
                    std::vector<PackFrame>& frames, std::string& warning, std::string& error);

// Reads stem.idx and stem.res; the pixel file must hold every frame (bytes after the last
// are not read and make a warning).
bool readSpritePack(const std::string& stem, std::vector<PackFrame>& frames, std::string& warning,
                    std::string& error);
bool writeSpritePack(const std::string& stem, const std::vector<PackFrame>& frames,
                     std::string& error);

// Why a frame of this size cannot be in a pack, or "".
std::string frameSizeProblem(int width, int height);

}  // namespace tools
