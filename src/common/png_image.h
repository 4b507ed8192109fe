// png_image.h -- reading and writing PNG pictures (shots, and the authors' tools)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace common {

struct RgbaImage {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // 4 bytes a pixel, row by row
  // When the file is palettized: its palette (RGB triples) and its indices.
  std::vector<uint8_t> palette;
  std::vector<uint8_t> indices;
};

bool writeRgbPng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
                 std::string& error);
bool writeRgbaPng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba,
                  std::string& error);
// An 8-bit palettized PNG; palette holds up to 256 RGB triples, alpha (when given) the
// opacity of the first entries (a tRNS chunk).
bool writeIndexedPng(const std::string& path, int width, int height,
                     const std::vector<uint8_t>& indices, const std::vector<uint8_t>& palette,
                     std::string& error, const std::vector<uint8_t>* alpha = nullptr);
// Palettized files of any bit depth keep their palette and one index a byte; interlaced
// files are read whole.
bool readPng(const std::string& path, RgbaImage& image, std::string& error);

}  // namespace common
