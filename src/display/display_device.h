// display_device.h -- the display device, its surfaces, presentation and the view
#pragma once

#include <memory>

#include "platform/video.h"

namespace display {

extern std::unique_ptr<platform::VideoDevice> DisplayDevice;
// The visible surface: a flip chain with one back buffer.
extern std::unique_ptr<platform::Surface> PrimarySurface;
extern platform::Surface* BackBuffer;
// The 640 x 480 drawing surface behind APAGE.
extern std::unique_ptr<platform::Surface> DrawSurface;
// 640 x 16, behind MPAGE.
extern std::unique_ptr<platform::Surface> StripSurface;
extern std::unique_ptr<platform::PaletteObject> ScreenPalette;

// The 320 x 240 view of APAGE that reaches the screen, doubled both ways.
extern platform::Rect ViewRect;

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
