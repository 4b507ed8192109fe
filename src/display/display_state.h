// display_state.h -- the display's state: device, surfaces, pages, palettes and keys
#pragma once

#include <cstdint>
#include <memory>

#include "common/bound_state.h"
#include "common/data_formats.h"
#include "display/pixel_page.h"
#include "platform/video.h"

namespace display {

struct DisplayState {
  // The screen no longer shows a primary surface that goes with the state.
  ~DisplayState();

  std::unique_ptr<platform::VideoDevice> DisplayDevice;
  // The visible surface: a flip chain with one back buffer.
  std::unique_ptr<platform::Surface> PrimarySurface;
  platform::Surface* BackBuffer = nullptr;
  // The 640 x 480 drawing surface behind APAGE.
  std::unique_ptr<platform::Surface> DrawSurface;
  // 640 x 16, behind MPAGE.
  std::unique_ptr<platform::Surface> StripSurface;
  std::unique_ptr<platform::PaletteObject> ScreenPalette;
  // The 320 x 240 view of APAGE that reaches the screen, doubled both ways.
  platform::Rect ViewRect{};

  // The drawing page, bound to DrawSurface; every software drawing routine writes here.
  std::unique_ptr<PixelPage> APAGE;
  // Bound at start-up to the back buffer, the primary surface and the strip; nothing draws
  // into them.
  std::unique_ptr<PixelPage> APAGE1;
  std::unique_ptr<PixelPage> VPAGE;
  std::unique_ptr<PixelPage> MPAGE;

  // What is handed to the screen palette; flags stay 0.
  platform::PaletteEntry WorkingPalette[common::kPaletteColours] = {};
  // The reference colours: the file's, with any tint; brightness scales from them.
  platform::PaletteEntry BasePalette[common::kPaletteColours] = {};
  // 256 x 256 palette indices: row = existing pixel, column = level; one int an
  // entry, only its low byte read.
  int32_t MixTable[common::kMixTableBytes] = {};
  // The fade level in percent, kept by the frame loop.
  int Brightness = 0;

  // Non-zero while the key of that DirectInput code is down; written only by ReadKeyboard.
  uint8_t KeyState[256] = {};
};

// The running game's display state, owned by the game object, which binds it.
inline DisplayState& displayState() { return common::Bound<DisplayState>::get(); }

}  // namespace display
