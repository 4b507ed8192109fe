// raw_picture.cpp -- the game's raw pictures: kinds, sizes and their PNG form
#include "common/raw_picture.h"

#include "common/cli.h"
#include "common/data_formats.h"
#include "common/png_image.h"

namespace tools {

const std::vector<PictureKind>& pictureKinds() {
  static const std::vector<PictureKind> kinds = {
      {"far", "far background layer", common::kFarWidth, common::kFarHeight, false},
      {"map", "map picture", common::kMapPictureWidth, common::kMapPictureHeight, true},
      {"cutscene", "cut-scene picture", common::kCutScenePictureWidth,
       common::kCutScenePictureHeight, false},
      {"bar", "status bar", common::kStatusBarWidth, 0, false},
  };
  return kinds;
}

const PictureKind* findPictureKind(const std::string& name) {
  for (const PictureKind& kind : pictureKinds())
    if (name == kind.name) return &kind;
  return nullptr;
}

const PictureKind* kindOfPicture(int width, int height) {
  for (const PictureKind& kind : pictureKinds())
    if (kind.width == width && kind.height == height) return &kind;
  return width == common::kStatusBarWidth ? findPictureKind("bar") : nullptr;
}

const PictureKind* kindOfRawFile(size_t bytes) {
  for (const PictureKind& kind : pictureKinds())
    if (kind.height != 0 && size_t(kind.width) * size_t(kind.height) == bytes) return &kind;
  return nullptr;
}

bool chosenPictureKind(const std::string& kindName, const std::string& size,
                       std::optional<PictureKind>& kind, std::string& error) {
  kind.reset();
  if (!kindName.empty() && !size.empty()) return error = "give --kind or --size, not both", false;
  if (!kindName.empty()) {
    const PictureKind* found = findPictureKind(kindName);
    if (!found)
      return error = "unknown kind '" + kindName + "'; the kinds are far, map, cutscene and bar",
             false;
    kind = *found;
  } else if (!size.empty()) {
    int width = 0, height = 0;
    if (!parseSize(size, width, height))
      return error = "--size takes WIDTHxHEIGHT, such as 800x240", false;
    kind = PictureKind{"size", "picture of the size given", width, height, false};
  }
  return true;
}

std::string pictureSizeProblem(const PictureKind& kind, int width, int height) {
  if (width == kind.width && (kind.height == 0 || height == kind.height)) return "";
  const std::string wanted = kind.height == 0
                                 ? std::to_string(kind.width) + " pixels wide"
                                 : std::to_string(kind.width) + " x " + std::to_string(kind.height);
  return "is " + std::to_string(width) + " x " + std::to_string(height) + "; a " + kind.what +
         " is " + wanted;
}

bool writePicturePng(const std::string& path, int width, int height,
                     const std::vector<uint8_t>& indices, const Palette& palette, bool transparent,
                     std::string& error) {
  std::vector<uint8_t> alpha;
  if (transparent) {
    alpha.assign(256, 255);
    alpha[kTransparentIndex] = 0;
  }
  return common::writeIndexedPng(path, width, height, indices, shownPaletteBytes(palette), error,
                                 transparent ? &alpha : nullptr);
}

}  // namespace tools
