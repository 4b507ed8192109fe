// raw_picture.h -- the game's raw pictures: kinds, sizes and their PNG form
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/palette_file.h"

namespace tools {

struct PictureKind {
  const char* name;  // as given to --kind
  const char* what;  // for messages
  int width;
  int height;        // 0: any number of rows
  bool transparent;  // index 255 lets what lies behind show through
};

// far (800 x 240), map (1280 x 177, 255 transparent), cutscene (640 x 480), bar (320 wide).
const std::vector<PictureKind>& pictureKinds();
const PictureKind* findPictureKind(const std::string& name);
// The kind a picture of this size is: the three fixed sizes, then any picture 320 wide is
// a status bar. Null for other sizes.
const PictureKind* kindOfPicture(int width, int height);
// The kind of a raw file of this many bytes: only the three fixed sizes; a bar's rows cannot
// be told from its length. Null otherwise.
const PictureKind* kindOfRawFile(size_t bytes);

// The kind that --kind NAME or --size WxH asks for (empty strings when not given; both at
// once is an error). A --size picture has no transparency. Empty when neither is given.
bool chosenPictureKind(const std::string& kindName, const std::string& size,
                       std::optional<PictureKind>& kind, std::string& error);

// Why a picture of width x height is not of the kind, or "" when it is.
std::string pictureSizeProblem(const PictureKind& kind, int width, int height);

// An indexed PNG with the palette's shown colours; index 255 fully transparent when asked.
bool writePicturePng(const std::string& path, int width, int height,
                     const std::vector<uint8_t>& indices, const Palette& palette, bool transparent,
                     std::string& error);

}  // namespace tools
