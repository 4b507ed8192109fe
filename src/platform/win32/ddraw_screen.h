// ddraw_screen.h -- the screen on DirectDraw: 640 x 480 x 8 full screen with a flip chain, or a
// window
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "platform/video.h"

// The display interface's objects, declared so that ddraw.h stays with ddraw_screen.cpp.
struct IDirectDraw;
struct IDirectDrawSurface;
struct IDirectDrawPalette;
struct IDirectDrawClipper;

namespace platform {

class DDrawScreen {
 public:
  ~DDrawScreen() { release(); }

  // Full screen takes the display exclusively at 640 x 480 with 256
  // colours and a flip chain; a window draws into the desktop through a clipper, the
  // picture stretched to the window's client area. False with the failing step in error.
  bool create(HWND window, bool fullScreen, std::string& error);
  // Newest first, as the display interface wants its objects released.
  void release();

  // Shows 640 x 480 indices through 256 colours. With flip the picture
  // becomes the next page of the flip chain; without, it replaces what is shown.
  void show(const uint8_t* pixels, const PaletteEntry* palette, bool flip);
  // Draws the last picture again (a window that was covered).
  void repaint();
  // Lets the desktop's own windows (a message box) be seen.
  void showDesktop();
  bool fullScreen() const { return fullScreen_; }

 private:
  bool createFullScreen(std::string& error);
  bool createWindowed(std::string& error);
  void setPalette(const PaletteEntry* palette);
  long copyInto(IDirectDrawSurface* surface);
  long present(bool flip);
  void restoreLost();

  HWND window_ = nullptr;
  bool fullScreen_ = true;
  IDirectDraw* device_ = nullptr;
  IDirectDrawSurface* primary_ = nullptr;
  // Full screen: the back buffer of the flip chain. In a window: a picture in the
  // desktop's pixel format, kept in system memory because it is stretched onto the
  // desktop, and some drivers filter a stretch in video memory.
  IDirectDrawSurface* back_ = nullptr;
  IDirectDrawPalette* palette_ = nullptr;
  IDirectDrawClipper* clipper_ = nullptr;
  // A window's picture: bytes a pixel and the colour of each palette entry in the
  // desktop's format.
  int bytesPerPixel_ = 4;
  uint32_t redMask_ = 0, greenMask_ = 0, blueMask_ = 0;
  std::array<uint32_t, 256> desktopColours_{};

  std::array<uint8_t, kScreenWidth * kScreenHeight> pixels_{};
  std::array<PALETTEENTRY, 256> colours_{};
  bool paletteSent_ = false;
  bool lossReported_ = false;
};

}  // namespace platform
