// sdl_backend.h -- the SDL2 backend: a real window, the keyboard, the 60 Hz frame clock
#pragma once

#include <memory>
#include <string>

#include "platform/backend.h"

namespace platform {

struct SdlOptions {
  bool fullScreen = true;
  int scale = 0;  // window scale; 0 picks the largest that fits the desktop
};

// Null with a one-line reason when SDL cannot reach a display.
std::unique_ptr<Backend> makeSdlBackend(const SdlOptions& options, std::string& error);

// The DirectInput code of an SDL scancode; 0 for keys the game cannot name.
uint8_t dikFromScancode(int scancode);

}  // namespace platform
