// display_device.cpp -- creating the display, presenting the view, clearing it
#include "display/display_device.h"

#include <cstdint>
#include <cstring>

#include "common/geometry.h"
#include "display/keyboard.h"
#include "display/palette.h"
#include "display/pixel_page.h"

namespace display {

using platform::DD_OK;
using platform::DDERR_SURFACELOST;
using platform::HRESULT;
using platform::SurfaceKind;

std::unique_ptr<platform::VideoDevice> DisplayDevice;
std::unique_ptr<platform::Surface> PrimarySurface;
platform::Surface* BackBuffer = nullptr;
std::unique_ptr<platform::Surface> DrawSurface;
std::unique_ptr<platform::Surface> StripSurface;
std::unique_ptr<platform::PaletteObject> ScreenPalette;
platform::Rect ViewRect{};

int InitDisplayAndInput() {
  if (platform::VideoDevice::create(DisplayDevice) != DD_OK) return 1;
  if (DisplayDevice->setCooperativeLevel(0x11) != DD_OK) return 1;
  if (DisplayDevice->setDisplayMode(common::kScreenWidth, common::kScreenHeight, 8) != DD_OK)
    return 1;
  if (DisplayDevice->createSurface(common::kScreenWidth, common::kScreenHeight,
                                   SurfaceKind::Primary, PrimarySurface) != DD_OK)
    return 1;
  if (DisplayDevice->createSurface(common::kScreenWidth, common::kScreenHeight,
                                   SurfaceKind::OffscreenPlain, DrawSurface) != DD_OK)
    return 1;
  BackBuffer = PrimarySurface->backBuffer();
  if (!BackBuffer) return 1;
  if (!InitKeyboard()) return 2;
  DisplayDevice->createPalette(WorkingPalette, ScreenPalette);
  PrimarySurface->setPalette(ScreenPalette.get());
  platform::setScreenSurface(PrimarySurface.get());
  return 0;
}

namespace {
void restoreSurfaces() {
  PrimarySurface->restore();
  DrawSurface->restore();
  BackBuffer->restore();
}
}  // namespace

HRESULT PresentFrame() { return PresentRect(ViewRect); }

HRESULT PresentRect(const platform::Rect& source) {
  if (KeyState[platform::dik::LCONTROL]) {
    // Fast-forward: straight to the visible surface, no flip and no wait.
    HRESULT r = PrimarySurface->blt(nullptr, *DrawSurface, &source);
    if (r == DDERR_SURFACELOST) {
      restoreSurfaces();
      r = PrimarySurface->blt(nullptr, *DrawSurface, &source);
    }
    return r;
  }
  // After a loss the blit is not repeated: the next frame redraws the view.
  if (BackBuffer->blt(nullptr, *DrawSurface, &source) == DDERR_SURFACELOST) restoreSurfaces();
  return PrimarySurface->flip();
}

void ClearView(int colour) {
  // Whole 32-bit words: 81 of them a row, over 241 rows, a little past the view.
  constexpr int kWords = common::kViewWidth / 4 + 1;
  const uint32_t word = 0x01010101u * static_cast<uint8_t>(colour);
  for (int y = common::kViewTop; y <= common::kViewBottom; ++y) {
    uint8_t* row = APAGE->row(y) + common::kViewLeft;
    for (int w = 0; w < kWords; ++w) std::memcpy(row + 4 * w, &word, 4);
  }
}

void ReleaseDisplayAndInput() {
  ReleaseKeyboard();
  platform::setScreenSurface(nullptr);
  BackBuffer = nullptr;
  DrawSurface.reset();
  PrimarySurface.reset();
  DisplayDevice.reset();
}

}  // namespace display
