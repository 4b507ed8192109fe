// backend.h -- what a platform backend (SDL2 or headless) provides to the stand-ins
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/video.h"

namespace platform {

class MusicStream;

class Backend {
 public:
  virtual ~Backend() = default;

  // Window thread: the window and everything the presenter needs. False when
  // no window can be had (the caller says why).
  virtual bool createWindow(const char* captionUtf8) = 0;
  // Window thread: handles events until isRunning() turns false, looking at
  // it at least every 100 ms.
  virtual void pumpWhileRunning() = 0;
  // Window thread: releases the window, after the game thread has stopped.
  virtual void destroyWindow() = 0;

  // Game thread: shows 640 x 480 indices through 256 colours. With wait, blocks
  // until the next tick of the 60 Hz frame clock and the picture is shown.
  virtual void show(const uint8_t* pixels, const PaletteEntry* palette, bool wait) = 0;
  // Any thread: the 256-byte DirectInput-style key state as it is now.
  virtual void readKeys(uint8_t state[256]) = 0;
  // Any thread: shows a message box and waits until it is answered.
  virtual void messageBox(const std::string& titleUtf8, const std::string& textUtf8) = 0;
  // Milliseconds since start (virtual in headless mode).
  virtual uint32_t millis() = 0;
  virtual void sleepMs(uint32_t ms) = 0;
  // Null when there is no sound device.
  virtual std::unique_ptr<MusicStream> createMusicStream() = 0;
  virtual bool headless() const = 0;
};

Backend& backend();
void setBackend(std::unique_ptr<Backend> backend);
bool hasBackend();

}  // namespace platform
