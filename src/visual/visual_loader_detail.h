// visual_loader_detail.h -- what the loader shares with playback and finishing
#pragma once

namespace visual {

// Reads VisualPicturePath into VisualPicture: 1 read, 0 no file, -1 empty file.
int readPicture();

}  // namespace visual
