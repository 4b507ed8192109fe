// display_device.h -- the display device, its surfaces, presentation and the view
#pragma once

#include <memory>

#include "display/display_state.h"
#include "platform/video.h"

namespace display {

// 0 on success, 1 when a display step failed, 2 when an input step failed.
int InitDisplayAndInput();
// Shows the view: a stretched blit and a flip, or with Left Control held a
// direct blit. Lost surfaces are restored. Returns the last display call's result.
platform::HRESULT PresentFrame();
// The same with another source rectangle (the whole page for cut-scenes, shown one to one).
platform::HRESULT PresentRect(const platform::Rect& source);
// Fills the view area of APAGE (rows 128..368, columns 128..451) with one colour.
void ClearView(int colour);
void ReleaseDisplayAndInput();

}  // namespace display
