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

  // Everything runs on the main thread, which owns the window. Window events are
  // handled inside the calls that wait or read the outside world; a close request
  // becomes the quit request (platform/quit.h).

  // The window and everything the presenter needs. False when no window can be had
  // (the caller says why).
  virtual bool createWindow(const char* captionUtf8) = 0;
  virtual void destroyWindow() = 0;

  // Shows 640 x 480 indices through 256 colours. With wait, first waits for the next
  // tick of the 60 Hz frame clock, handling window events meanwhile.
  virtual void show(const uint8_t* pixels, const PaletteEntry* palette, bool wait) = 0;
  // Handles waiting window events, then gives the 256-byte DirectInput-style key state.
  virtual void readKeys(uint8_t state[256]) = 0;
  // Shows a message box and waits until it is answered.
  virtual void messageBox(const std::string& titleUtf8, const std::string& textUtf8) = 0;
  // Milliseconds since start (virtual in headless mode).
  virtual uint32_t millis() = 0;
  // Sleeps, handling window events meanwhile; returns early on a quit request.
  virtual void sleepMs(uint32_t ms) = 0;
  // Null when there is no sound device.
  virtual std::unique_ptr<MusicStream> createMusicStream() = 0;
  virtual bool headless() const = 0;
};

Backend& backend();
// Replaces (and releases) the backend. The program releases it before it returns:
// it is never left to a static object's destructor, which would call the window
// system after main returned.
void setBackend(std::unique_ptr<Backend> backend);
bool hasBackend();

}  // namespace platform
