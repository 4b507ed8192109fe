// video.cpp -- software surfaces standing in for the display device's
#include "platform/video.h"

#include <algorithm>
#include <cstring>

#include "platform/faults.h"
#include "platform/pixel_rows.h"
#include "platform/screen.h"

namespace platform {
namespace {

// Never destroyed: a game object kept to the end of the process (the fuzz targets' and the
// benchmarks') releases its surfaces after static destructors run.
std::vector<Surface*>& registry() {
  static auto* surfaces = new std::vector<Surface*>;
  return *surfaces;
}
// Asked for by the window's event handling; taken at the next video call.
bool loseRequested = false;
Surface* primary = nullptr;

// A lost surface holds garbage; a fixed pattern keeps headless runs repeatable.
void fillGarbage(std::vector<uint8_t>& pixels) {
  uint32_t x = 0x2545F491u;
  for (auto& p : pixels) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    p = static_cast<uint8_t>(x);
  }
}

void takePendingLoss() {
  if (!loseRequested) return;
  loseRequested = false;
  loseAllSurfaces();
}

Rect wholeOf(const Surface& s) { return Rect{0, 0, s.width(), s.height()}; }

bool inside(const Rect& r, const Surface& s) {
  return r.left >= 0 && r.top >= 0 && r.right <= s.width() && r.bottom <= s.height() &&
         r.left <= r.right && r.top <= r.bottom;
}

}  // namespace

PaletteObject::PaletteObject(const PaletteEntry* initial) {
  std::copy(initial, initial + 256, entries_);
}

HRESULT PaletteObject::setEntries(uint32_t, int first, int count, const PaletteEntry* entries) {
  if (first < 0 || count < 0 || first + count > 256) return DDERR_GENERIC;
  std::copy(entries, entries + count, entries_ + first);
  if (primary && primary->palette() == this) refreshScreen();
  return DD_OK;
}

Surface::Surface(int width, int height, SurfaceKind kind)
    : width_(width), height_(height), kind_(kind), pixels_(size_t(width) * size_t(height), 0) {
  registry().push_back(this);
}

Surface::~Surface() {
  auto& r = registry();
  r.erase(std::remove(r.begin(), r.end(), this), r.end());
  if (primary == this) primary = nullptr;
}

HRESULT Surface::lock(uint8_t** bits) {
  takePendingLoss();
  *bits = pixels_.data();
  return lost_ ? DDERR_SURFACELOST : DD_OK;
}

HRESULT Surface::unlock() {
  if (this == primary) refreshScreen();
  return DD_OK;
}

HRESULT Surface::blt(const Rect* dstRect, Surface& src, const Rect* srcRect) {
  takePendingLoss();
  if (lost_ || src.lost_) return DDERR_SURFACELOST;
  const Rect d = dstRect ? *dstRect : wholeOf(*this);
  const Rect s = srcRect ? *srcRect : wholeOf(src);
  if (!inside(d, *this) || !inside(s, src) || s.width() == 0 || s.height() == 0)
    return DDERR_GENERIC;
  const int dw = d.width(), dh = d.height(), sw = s.width(), sh = s.height();
  int lastSourceRow = -1;
  for (int y = 0; y < dh; ++y) {
    const int sourceRow = s.top + y * sh / dh;
    uint8_t* drow = pixels() + size_t(d.top + y) * width_ + d.left;
    // A stretch repeats source rows: the row above is copied whole (not when the
    // surface is its own source, whose rows may have changed meanwhile).
    if (sourceRow == lastSourceRow && &src != this) {
      std::memcpy(drow, drow - width_, size_t(dw));
      continue;
    }
    lastSourceRow = sourceRow;
    const uint8_t* srow = src.pixels() + size_t(sourceRow) * src.width_ + s.left;
    if (dw == sw) {
      std::memmove(drow, srow, size_t(dw));
    } else if (dw == 2 * sw && &src != this) {
      doubleRow(drow, srow, size_t(sw));
    } else {
      for (int x = 0; x < dw; ++x) drow[x] = srow[x * sw / dw];
    }
  }
  if (this == primary) presentScreen(false);
  return DD_OK;
}

HRESULT Surface::bltFast(int x, int y, Surface& src, const Rect& srcRect, bool useSourceKey) {
  takePendingLoss();
  if (lost_ || src.lost_) return DDERR_SURFACELOST;
  const Rect d{x, y, x + srcRect.width(), y + srcRect.height()};
  if (!inside(d, *this) || !inside(srcRect, src)) return DDERR_GENERIC;
  const uint8_t key = src.colorKey_;
  for (int row = 0; row < srcRect.height(); ++row) {
    const uint8_t* s = src.pixels() + size_t(srcRect.top + row) * src.width_ + srcRect.left;
    uint8_t* dst = pixels() + size_t(y + row) * width_ + x;
    if (!useSourceKey) {
      std::memmove(dst, s, size_t(srcRect.width()));
      continue;
    }
    if (&src != this) {
      copyRowKeyed(dst, s, size_t(srcRect.width()), key);
      continue;
    }
    for (int col = 0; col < srcRect.width(); ++col)
      if (s[col] != key) dst[col] = s[col];
  }
  if (this == primary) presentScreen(false);
  return DD_OK;
}

HRESULT Surface::flip() {
  takePendingLoss();
  if (!backBuffer_) return DDERR_GENERIC;
  if (lost_ || backBuffer_->lost_) return DDERR_SURFACELOST;
  pixels_.swap(backBuffer_->pixels_);
  presentScreen(true);
  return DD_OK;
}

HRESULT Surface::restore() {
  lost_ = false;
  return DD_OK;
}

void Surface::lose() {
  lost_ = true;
  fillGarbage(pixels_);
}

HRESULT VideoDevice::create(std::unique_ptr<VideoDevice>& out) {
  if (faults().displayDevice) return DDERR_GENERIC;
  out = std::make_unique<VideoDevice>();
  return DD_OK;
}

HRESULT VideoDevice::setCooperativeLevel(uint32_t) { return DD_OK; }

HRESULT VideoDevice::setDisplayMode(int width, int height, int bitsPerPixel) {
  return (width == kScreenWidth && height == kScreenHeight && bitsPerPixel == 8) ? DD_OK
                                                                                 : DDERR_GENERIC;
}

HRESULT VideoDevice::createSurface(int width, int height, SurfaceKind kind,
                                   std::unique_ptr<Surface>& out) {
  if (width <= 0 || height <= 0 || height == faults().failSurfaceOfSize) return DDERR_GENERIC;
  out = std::make_unique<Surface>(width, height, kind);
  if (kind == SurfaceKind::Primary)
    out->attachBackBuffer(std::make_unique<Surface>(width, height, SurfaceKind::BackBuffer));
  return DD_OK;
}

HRESULT VideoDevice::createPalette(const PaletteEntry* initial,
                                   std::unique_ptr<PaletteObject>& out) {
  out = std::make_unique<PaletteObject>(initial);
  return DD_OK;
}

void loseAllSurfaces() {
  for (Surface* s : registry()) s->lose();
}

void requestLoseAllSurfaces() { loseRequested = true; }

Surface* screenSurface() { return primary; }
void setScreenSurface(Surface* p) { primary = p; }

}  // namespace platform
