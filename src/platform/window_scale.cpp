// window_scale.cpp -- the largest whole window scale that fits the desktop
#include "platform/window_scale.h"

#include <algorithm>

#include "common/geometry.h"

namespace platform {

int largestWindowScale(int desktopWidth, int desktopHeight) {
  // Room for the window's caption and a desktop panel above or below it. Side frames are
  // a pixel or two at most, when a window manager draws any: a window as wide as the
  // desktop fits, so that a 1280 x 1024 desktop has its 1280 x 960 window.
  constexpr int kCaptionAndPanelRoom = 64;
  const int scale = std::min(desktopWidth / common::kScreenWidth,
                             (desktopHeight - kCaptionAndPanelRoom) / common::kScreenHeight);
  return std::max(1, scale);
}

}  // namespace platform
