// display_device.h -- the display device, its surfaces, presentation and the view
#pragma once

#include <memory>

#include "display/display_state.h"
#include "platform/video.h"

namespace display {

// What InitDisplayAndInput did: ready, or the step that failed.
enum class DisplayInit : int {
  kReady = 0,
  kDisplayFailed = 1,  // the display device, its mode or one of its surfaces
  kInputFailed = 2,    // the keyboard
};
DisplayInit InitDisplayAndInput();
// Shows the view: a stretched blit and a flip, or with Left Control held a
// direct blit. Lost surfaces are restored. Returns the last display call's result.
platform::HRESULT PresentFrame();
// The same with another source rectangle (the whole page for cut-scenes, shown one to one).
platform::HRESULT PresentRect(const platform::Rect& source);
// Fills the view area of APAGE (rows 128..368, columns 128..451) with one colour.
void ClearView(int colour);
void ReleaseDisplayAndInput();

}  // namespace display
