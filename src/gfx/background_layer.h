// background_layer.h -- pictures on off-screen surfaces, copied through a scrolling 320-pixel
// window
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "common/data_formats.h"
#include "platform/video.h"

namespace gfx {

// The part of a layer that reaches the view: its 320 columns of the map area's 177 rows.
constexpr int kWindowWidth = common::kViewWidth;
constexpr int kWindowHeight = common::kMapAreaHeight;
// Page position of the view's top-left corner, where every layer is copied.
using common::kViewLeft;
using common::kViewTop;

using common::kFarBytes;
using common::kFarHeight;
using common::kFarWidth;

// What BackgroundLayer::load did: loaded, or the step that failed.
enum class LayerLoad : int {
  kLoaded = 0,
  kNoSurface = 1,    // the off-screen surface cannot be made
  kFileMissing = 2,  // the picture file does not open
  kFileEmpty = 3,    // the picture file has no bytes
};

struct BackgroundLayer {
  std::unique_ptr<platform::Surface> surface;
  platform::Rect window{0, 0, 0, kWindowHeight};
  int32_t scrollX = 0;
  char picturePath[256] = {};

  BackgroundLayer() { reset(); }
  void reset();
  // Loads "grim\<name>.res" (800 x 240) onto a new surface.
  LayerLoad load(const char* name);
  // Copies the window at scrollX, opaque, into DrawSurface at the view's corner.
  void draw();
  // The surface stays until the display goes at shutdown.
  void release() {}
};

// Reads up to `bytes` of the picture at path into the surface's pixels; the
// number of bytes read, or -1 when the file does not open. A file that does not
// open or has fewer bytes is said (platform::warnDataFile).
long readPicture(platform::Surface& surface, const char* path, size_t bytes);

// Copies window of source into DrawSurface at the view's corner. A surface
// whose memory was lost is restored, refilled from path and copied once more.
void copyLayer(platform::Surface* source, const platform::Rect& window, bool colourKey,
               const char* path, size_t bytes);

}  // namespace gfx
