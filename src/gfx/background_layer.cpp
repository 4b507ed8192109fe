// background_layer.cpp -- loading layer pictures and copying them into the drawing surface
#include "gfx/background_layer.h"

#include <algorithm>
#include <cstdio>

#include "display/display_device.h"
#include "gfx/load_messages.h"
#include "platform/data_file.h"
#include "platform/data_warnings.h"
#include "platform/message_box.h"

namespace gfx {

long readPicture(platform::Surface& surface, const char* path, size_t bytes) {
  FILE* f = platform::openDataFileOrWarn(path, bytes);
  if (!f) return -1;
  uint8_t* bits = nullptr;
  surface.lock(&bits);
  surface.unlock();
  // The surface's pitch equals its width, so the rows lie back to back.
  bytes = std::min(bytes, size_t(surface.width()) * size_t(surface.height()));
  const size_t got = std::fread(bits, 1, bytes, f);
  std::fclose(f);
  if (got < bytes)
    platform::warnDataFile(path, got ? platform::endsAfter(got, bytes) : platform::kEmpty);
  return long(got);
}

void copyLayer(platform::Surface* source, const platform::Rect& window, bool colourKey,
               const char* path, size_t bytes) {
  const auto& DrawSurface = display::displayState().DrawSurface;
  if (!source || !DrawSurface) return;
  if (DrawSurface->bltFast(kViewLeft, kViewTop, *source, window, colourKey) !=
      platform::DDERR_SURFACELOST)
    return;
  source->restore();
  // A picture that can no longer be opened leaves the surface empty this frame.
  if (readPicture(*source, path, bytes) < 0) return;
  DrawSurface->bltFast(kViewLeft, kViewTop, *source, window, colourKey);
}

void BackgroundLayer::reset() {
  surface.reset();
  window = platform::Rect{0, 0, 0, kWindowHeight};
  scrollX = 0;
}

LayerLoad BackgroundLayer::load(const char* name) {
  const auto& DisplayDevice = display::displayState().DisplayDevice;
  if (!DisplayDevice ||
      DisplayDevice->createSurface(kFarWidth, kFarHeight, platform::SurfaceKind::OffscreenPlain,
                                   surface) != platform::DD_OK) {
    platform::messageBox(text::kErrorTitle, text::kSurfaceCreate);
    return LayerLoad::kNoSurface;
  }
  std::snprintf(picturePath, sizeof picturePath, "grim\\%s.res", name);
  const long got = readPicture(*surface, picturePath, kFarBytes);
  if (got < 0) {
    platform::messageBox(text::kErrorTitle, text::kFileOpen);
    return LayerLoad::kFileMissing;
  }
  if (got == 0) {
    platform::messageBox(text::kErrorTitle, text::kDataRead);
    return LayerLoad::kFileEmpty;
  }
  return LayerLoad::kLoaded;
}

void BackgroundLayer::draw() {
  window.left = scrollX;
  window.right = scrollX + kWindowWidth;
  copyLayer(surface.get(), window, false, picturePath, kFarBytes);
}

}  // namespace gfx
