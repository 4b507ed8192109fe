// ddraw_screen.cpp -- presenting the game's 8-bit screen through DirectDraw
#include "platform/win32/ddraw_screen.h"

// Through ddraw_screen.h, platform/video.h is read before ddraw.h, whose macros name the same
// result codes.
#include <ddraw.h>

#include <cstring>

#include "platform/win32/call_failure.h"
#include "platform/win32/com_ptr.h"

namespace platform {
namespace {

int maskShift(uint32_t mask) {
  int shift = 0;
  while (mask && !(mask & 1)) mask >>= 1, ++shift;
  return shift;
}

int maskBits(uint32_t mask) {
  int bits = 0;
  for (mask >>= maskShift(mask); mask & 1; mask >>= 1) ++bits;
  return bits;
}

uint32_t scaleInto(uint8_t value, uint32_t mask) {
  const int bits = maskBits(mask);
  return bits ? (uint32_t(value) >> (8 - bits)) << maskShift(mask) : 0;
}

}  // namespace

bool DDrawScreen::create(HWND window, bool fullScreen, std::string& error) {
  window_ = window;
  fullScreen_ = fullScreen;
  HRESULT r = DirectDrawCreate(nullptr, &device_, nullptr);
  if (r != DD_OK) return error = callFailure("DirectDrawCreate", r), false;
  return fullScreen ? createFullScreen(error) : createWindowed(error);
}

bool DDrawScreen::createFullScreen(std::string& error) {
  HRESULT r = device_->SetCooperativeLevel(window_, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
  if (r != DD_OK) return error = callFailure("SetCooperativeLevel", r), false;
  r = device_->SetDisplayMode(kScreenWidth, kScreenHeight, 8);
  if (r != DD_OK) return error = callFailure("SetDisplayMode(640, 480, 8)", r), false;

  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  desc.dwBackBufferCount = 1;
  r = device_->CreateSurface(&desc, &primary_, nullptr);
  if (r != DD_OK) return error = callFailure("CreateSurface (flip chain)", r), false;
  DDSCAPS caps{DDSCAPS_BACKBUFFER};
  r = primary_->GetAttachedSurface(&caps, &back_);
  if (r != DD_OK) return error = callFailure("GetAttachedSurface (back buffer)", r), false;

  // All 256 entries are the game's: entry 0 and 255 are not reserved for the system.
  r = device_->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, colours_.data(), &palette_, nullptr);
  if (r != DD_OK) return error = callFailure("CreatePalette", r), false;
  primary_->SetPalette(palette_);
  return true;
}

bool DDrawScreen::createWindowed(std::string& error) {
  HRESULT r = device_->SetCooperativeLevel(window_, DDSCL_NORMAL | DDSCL_MULTITHREADED);
  if (r != DD_OK) return error = callFailure("SetCooperativeLevel", r), false;
  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS;
  desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
  r = device_->CreateSurface(&desc, &primary_, nullptr);
  if (r != DD_OK) return error = callFailure("CreateSurface (desktop)", r), false;
  r = device_->CreateClipper(0, &clipper_, nullptr);
  if (r != DD_OK) return error = callFailure("CreateClipper", r), false;
  clipper_->SetHWnd(0, window_);
  primary_->SetClipper(clipper_);

  desc = DDSURFACEDESC{};
  desc.dwSize = sizeof desc;
  desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
  desc.dwWidth = kScreenWidth;
  desc.dwHeight = kScreenHeight;
  r = device_->CreateSurface(&desc, &back_, nullptr);
  if (r != DD_OK) return error = callFailure("CreateSurface (picture)", r), false;
  DDSURFACEDESC got{};
  got.dwSize = sizeof got;
  back_->GetSurfaceDesc(&got);
  const DDPIXELFORMAT& f = got.ddpfPixelFormat;
  bytesPerPixel_ = int(f.dwRGBBitCount / 8);
  if (!(f.dwFlags & DDPF_RGB) || bytesPerPixel_ < 2 || bytesPerPixel_ > 4)
    return error = "the desktop has no 16, 24 or 32-bit colour", false;
  redMask_ = f.dwRBitMask;
  greenMask_ = f.dwGBitMask;
  blueMask_ = f.dwBBitMask;
  return true;
}

void DDrawScreen::release() {
  if (primary_) primary_->SetPalette(nullptr);
  releaseCom(clipper_);
  releaseCom(palette_);
  if (fullScreen_) {
    back_ = nullptr;  // part of the flip chain: released with the primary surface
  } else {
    releaseCom(back_);
  }
  releaseCom(primary_);
  if (device_ && fullScreen_) device_->RestoreDisplayMode();
  releaseCom(device_);
}

void DDrawScreen::setPalette(const PaletteEntry* palette) {
  bool changed = !paletteSent_;
  for (int i = 0; i < 256; ++i) {
    PALETTEENTRY e{palette[i].red, palette[i].green, palette[i].blue, 0};
    PALETTEENTRY& kept = colours_[size_t(i)];
    if (std::memcmp(&e, &kept, sizeof e) == 0) continue;
    kept = e;
    changed = true;
  }
  if (!changed) return;
  paletteSent_ = true;
  if (palette_) {
    palette_->SetEntries(0, 0, 256, colours_.data());
    return;
  }
  for (size_t i = 0; i < 256; ++i)
    desktopColours_[i] = scaleInto(colours_[i].peRed, redMask_) |
                         scaleInto(colours_[i].peGreen, greenMask_) |
                         scaleInto(colours_[i].peBlue, blueMask_);
}

// Full screen: the indices as they are. In a window: converted to the desktop's colours.
long DDrawScreen::copyInto(IDirectDrawSurface* surface) {
  DDSURFACEDESC desc{};
  desc.dwSize = sizeof desc;
  HRESULT r = surface->Lock(nullptr, &desc, DDLOCK_WAIT | DDLOCK_WRITEONLY, nullptr);
  if (r != DD_OK) return r;
  auto* base = static_cast<uint8_t*>(desc.lpSurface);
  for (int y = 0; y < kScreenHeight; ++y) {
    uint8_t* row = base + ptrdiff_t(y) * desc.lPitch;
    const uint8_t* src = pixels_.data() + y * kScreenWidth;
    if (palette_) {
      std::memcpy(row, src, kScreenWidth);
      continue;
    }
    for (int x = 0; x < kScreenWidth; ++x) {
      const uint32_t c = desktopColours_[src[x]];
      std::memcpy(row + x * bytesPerPixel_, &c, size_t(bytesPerPixel_));
    }
  }
  return surface->Unlock(nullptr);
}

long DDrawScreen::present(bool flip) {
  const HRESULT copied = copyInto(fullScreen_ && !flip ? primary_ : back_);
  if (copied != DD_OK) return copied;
  if (fullScreen_) return flip ? primary_->Flip(nullptr, DDFLIP_WAIT) : DD_OK;
  RECT target;
  GetClientRect(window_, &target);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&target), 2);
  if (target.right <= target.left || target.bottom <= target.top) return DD_OK;  // minimised
  return primary_->Blt(&target, back_, nullptr, DDBLT_WAIT, nullptr);
}

// The display was taken away (a minimised full screen, a mode change): get the memory
// back when it can be had, and let the game's own surfaces be lost once, as they would be.
void DDrawScreen::restoreLost() {
  if (!lossReported_) {
    lossReported_ = true;
    requestLoseAllSurfaces();
  }
  if (primary_->Restore() != DD_OK) return;
  if (back_ && !fullScreen_) back_->Restore();
  lossReported_ = false;
}

void DDrawScreen::show(const uint8_t* pixels, const PaletteEntry* palette, bool flip) {
  if (!primary_) return;
  setPalette(palette);
  // A palette change alone needs no new picture: the display shows it at once.
  const bool samePicture = std::memcmp(pixels_.data(), pixels, pixels_.size()) == 0;
  if (samePicture && !flip && palette_) return;
  std::memcpy(pixels_.data(), pixels, pixels_.size());
  if (present(flip) == DDERR_SURFACELOST) restoreLost();
}

void DDrawScreen::repaint() {
  if (primary_ && !fullScreen_ && present(false) == DDERR_SURFACELOST) restoreLost();
}

void DDrawScreen::showDesktop() {
  if (device_ && fullScreen_) device_->FlipToGDISurface();
}

}  // namespace platform
