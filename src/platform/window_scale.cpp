// window_scale.cpp -- the largest whole window scale that fits the desktop
#include "platform/window_scale.h"

#include <algorithm>

#include "common/geometry.h"

namespace platform {

int largestWindowScale(int desktopWidth, int desktopHeight) {
  // Room for the window's frame and caption, and for the desktop's panels.
  constexpr int kFrameRoom = 80, kPanelRoom = 120;
  const int scale = std::min((desktopWidth - kFrameRoom) / common::kScreenWidth,
                             (desktopHeight - kPanelRoom) / common::kScreenHeight);
  return std::max(1, scale);
}

}  // namespace platform
