// sprite_pack.h -- numbered frames of 8-bit pixels, drawn into APAGE with index 255 transparent
#pragma once

#include <cstdint>
#include <memory>

#include "common/data_formats.h"

namespace gfx {

using common::kPackFrames;
// Index 255 is never drawn.
constexpr uint8_t kTransparent = common::kTransparentIndex;

// What SpritePack::load did: loaded, or the step that failed.
enum class PackLoad : int {
  kLoaded = 0,
  kFileMissing = 1,    // the index or the pixel file does not open
  kNoPixelMemory = 2,  // a frame's pixels cannot be allocated (or its size is refused)
  kNoRowMemory = 3,    // a frame's row table cannot be allocated
  kPixelsEnded = 4,    // the pixel file ended before a frame's first byte
  // Refused from the index before a pixel is read, as missing files are: a frame larger than
  // the page, or the packs of the map being read over their budget (common::kMapPackBudget).
  kOverBounds = 5,
};

struct PackFiles;
struct PackIndex;

// Up to 50 frames, each with its own size. Slots without pixels are empty
// frames of size 0 that draw nothing.
struct SpritePack {
  uint8_t* pixels[kPackFrames];
  uint8_t** rows[kPackFrames];
  int32_t widths[kPackFrames];
  int32_t heights[kPackFrames];
  int32_t frameCount = 0;

  SpritePack() { reset(); }
  ~SpritePack() { release(); }
  SpritePack(const SpritePack&) = delete;
  SpritePack& operator=(const SpritePack&) = delete;

  void reset();
  // Loads "grim\<name>.idx" and "grim\<name>.res".
  PackLoad load(const char* name);
  // Draws the frame with its top-left pixel at page (x, y).
  void draw(int x, int y, int frame) const;
  void release();

  // 0 for frames outside the 50 slots.
  int width(int frame) const;
  int height(int frame) const;

 private:
  // Reads the files into this pack's own blocks; mapBytes, when given, counts the frame bytes
  // of the map's packs against their budget.
  PackLoad readFiles(PackFiles& files, size_t* mapBytes);
  PackLoad readFrames(PackFiles& files, const PackIndex& index);
  // The blocks of the frames this pack read itself; pixels and rows point into them.
  std::unique_ptr<uint8_t[]> ownedPixels_[kPackFrames];
  std::unique_ptr<uint8_t*[]> ownedRows_[kPackFrames];
  // The pack whose blocks these slots point into, when they are shared (PackSharing).
  std::shared_ptr<const SpritePack> shared_;
};

// While one lives, packs loaded from the same files read them once and share the
// frames: the actors of a map that use the same figure, under one name or several
// ("big", "./big"). Frames are never written after loading, so sharing changes
// nothing but the time and the memory that a map load takes. The packs loaded in
// the outermost scope are held to the map's budget together. Scopes may nest.
class PackSharing {
 public:
  PackSharing();
  ~PackSharing();
  PackSharing(const PackSharing&) = delete;
  PackSharing& operator=(const PackSharing&) = delete;

 private:
  bool outermost_;
};

}  // namespace gfx
