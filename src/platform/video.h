// video.h -- 8-bit surfaces, the palette object and the screen, in place of the display device
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "common/geometry.h"

namespace platform {

// The display results by their DirectDraw names and values. Where <ddraw.h> came first, its
// macros of the same names and values stand for them.
using HRESULT = int32_t;
#ifndef DD_OK
constexpr HRESULT DD_OK = 0;
#endif
#ifndef DDERR_SURFACELOST
constexpr HRESULT DDERR_SURFACELOST = static_cast<HRESULT>(0x887601C2u);
#endif
#ifndef DDERR_GENERIC
constexpr HRESULT DDERR_GENERIC = static_cast<HRESULT>(0x80004005u);
#endif

using common::kScreenHeight;
using common::kScreenWidth;

struct PaletteEntry {
  uint8_t red = 0, green = 0, blue = 0, flags = 0;
};

// Right and bottom are exclusive, as in the display interface we stand in for.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

class PaletteObject {
 public:
  explicit PaletteObject(const PaletteEntry* initial);
  HRESULT setEntries(uint32_t flags, int first, int count, const PaletteEntry* entries);
  const PaletteEntry* entries() const { return entries_; }

 private:
  PaletteEntry entries_[256];
};

enum class SurfaceKind { Primary, BackBuffer, OffscreenPlain };

// An 8-bit surface in our own memory: pitch equals width and the pixels stay
// addressable while unlocked, so pages bound once keep working.
class Surface {
 public:
  Surface(int width, int height, SurfaceKind kind);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  int pitch() const { return width_; }
  SurfaceKind kind() const { return kind_; }
  uint8_t* pixels() { return pixels_.data(); }
  const uint8_t* pixels() const { return pixels_.data(); }
  bool isLost() const { return lost_; }

  HRESULT lock(uint8_t** bits);
  HRESULT unlock();
  // Copies srcRect of src into dstRect (whole surfaces when null), stretching
  // by nearest sampling when the sizes differ.
  HRESULT blt(const Rect* dstRect, Surface& src, const Rect* srcRect);
  // Unstretched copy to (x, y); with useSourceKey, pixels of the source's
  // colour key are skipped.
  HRESULT bltFast(int x, int y, Surface& src, const Rect& srcRect, bool useSourceKey);
  // Primary only: swaps content with the attached back buffer and shows it.
  HRESULT flip();
  HRESULT restore();
  void setColorKey(uint8_t key) { colorKey_ = key; }
  // The back buffer of a flip chain, owned by the primary surface.
  Surface* backBuffer() const { return backBuffer_.get(); }
  void attachBackBuffer(std::unique_ptr<Surface> back) { backBuffer_ = std::move(back); }
  void setPalette(PaletteObject* palette) { palette_ = palette; }
  PaletteObject* palette() const { return palette_; }

  // The memory is taken away: content turns to garbage until restore().
  void lose();

 private:
  int width_, height_;
  SurfaceKind kind_;
  std::vector<uint8_t> pixels_;
  bool lost_ = false;
  uint8_t colorKey_ = 255;
  std::unique_ptr<Surface> backBuffer_;
  PaletteObject* palette_ = nullptr;
};

// The display device: makes surfaces and palettes; its failures can be injected.
class VideoDevice {
 public:
  static HRESULT create(std::unique_ptr<VideoDevice>& out);
  HRESULT setCooperativeLevel(uint32_t flags);
  // Only the game's mode, 640 x 480 with 8 bits a pixel, is offered.
  HRESULT setDisplayMode(int width, int height, int bitsPerPixel);
  // A primary surface comes with its back buffer attached (a flip chain).
  HRESULT createSurface(int width, int height, SurfaceKind kind, std::unique_ptr<Surface>& out);
  HRESULT createPalette(const PaletteEntry* initial, std::unique_ptr<PaletteObject>& out);
};

// Every live surface loses its memory (a minimised full screen, a renderer
// reset, or `--lose-surfaces`).
void loseAllSurfaces();
// Asks, from the window's event handling, for loseAllSurfaces() at the next video call of
// the game.
void requestLoseAllSurfaces();

// The visible surface and its palette, as the screen shows them.
Surface* screenSurface();
void setScreenSurface(Surface* primary);

}  // namespace platform
