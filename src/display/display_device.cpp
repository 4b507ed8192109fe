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

DisplayInit InitDisplayAndInput() {
  auto& d = displayState();
  if (platform::VideoDevice::create(d.DisplayDevice) != DD_OK) return DisplayInit::kDisplayFailed;
  if (d.DisplayDevice->setCooperativeLevel(0x11) != DD_OK) return DisplayInit::kDisplayFailed;
  if (d.DisplayDevice->setDisplayMode(common::kScreenWidth, common::kScreenHeight, 8) != DD_OK)
    return DisplayInit::kDisplayFailed;
  if (d.DisplayDevice->createSurface(common::kScreenWidth, common::kScreenHeight,
                                     SurfaceKind::Primary, d.PrimarySurface) != DD_OK)
    return DisplayInit::kDisplayFailed;
  if (d.DisplayDevice->createSurface(common::kScreenWidth, common::kScreenHeight,
                                     SurfaceKind::OffscreenPlain, d.DrawSurface) != DD_OK)
    return DisplayInit::kDisplayFailed;
  d.BackBuffer = d.PrimarySurface->backBuffer();
  if (!d.BackBuffer) return DisplayInit::kDisplayFailed;
  if (!InitKeyboard()) return DisplayInit::kInputFailed;
  d.DisplayDevice->createPalette(d.WorkingPalette, d.ScreenPalette);
  d.PrimarySurface->setPalette(d.ScreenPalette.get());
  platform::setScreenSurface(d.PrimarySurface.get());
  return DisplayInit::kReady;
}

namespace {
void restoreSurfaces() {
  auto& d = displayState();
  d.PrimarySurface->restore();
  d.DrawSurface->restore();
  d.BackBuffer->restore();
}
}  // namespace

HRESULT PresentFrame() { return PresentRect(displayState().ViewRect); }

HRESULT PresentRect(const platform::Rect& source) {
  auto& d = displayState();
  if (d.KeyState[platform::dik::LCONTROL]) {
    // Fast-forward: straight to the visible surface, no flip and no wait.
    HRESULT r = d.PrimarySurface->blt(nullptr, *d.DrawSurface, &source);
    if (r == DDERR_SURFACELOST) {
      restoreSurfaces();
      r = d.PrimarySurface->blt(nullptr, *d.DrawSurface, &source);
    }
    return r;
  }
  // After a loss the blit is not repeated: the next frame redraws the view.
  if (d.BackBuffer->blt(nullptr, *d.DrawSurface, &source) == DDERR_SURFACELOST) restoreSurfaces();
  return d.PrimarySurface->flip();
}

void ClearView(int colour) {
  // Whole 32-bit words: 81 of them a row, over 241 rows, a little past the view.
  constexpr size_t kRowBytes = (common::kViewWidth / 4 + 1) * 4;
  const PixelPage& page = *displayState().APAGE;
  for (int y = common::kViewTop; y <= common::kViewBottom; ++y)
    std::memset(page.row(y) + common::kViewLeft, static_cast<uint8_t>(colour), kRowBytes);
}

void ReleaseDisplayAndInput() {
  ReleaseKeyboard();
  platform::setScreenSurface(nullptr);
  auto& d = displayState();
  d.BackBuffer = nullptr;
  d.DrawSurface.reset();
  d.PrimarySurface.reset();
  d.DisplayDevice.reset();
}

}  // namespace display
