// window_scale.h -- how large a window shows the 640 x 480 screen on a desktop
#pragma once

namespace platform {

// The largest whole scale of the screen whose window, with room for its frame and the
// desktop's panels, fits a desktop of w x h; at least 1.
int largestWindowScale(int desktopWidth, int desktopHeight);

}  // namespace platform
