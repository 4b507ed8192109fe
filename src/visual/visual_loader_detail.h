// visual_loader_detail.h -- what the loader shares with playback and finishing
#pragma once

namespace visual {

// What readPicture did.
enum class PictureRead : int {
  kRead = 1,
  kNoFile = 0,
  kEmpty = -1,
};
// Reads VisualPicturePath into VisualPicture.
PictureRead readPicture();

}  // namespace visual
