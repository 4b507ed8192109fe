// sdl_backend.h -- the SDL2 backend: a real window, the keyboard, game controllers, the 60 Hz frame
// clock
#pragma once

#include <memory>
#include <string>

#include "platform/backend.h"
#include "platform/window_backend.h"

namespace platform {

// Null with a one-line reason when SDL cannot reach a display.
std::unique_ptr<Backend> makeSdlBackend(const WindowOptions& options, std::string& error);

// The DirectInput code of an SDL scancode; 0 for keys the game cannot name.
uint8_t dikFromScancode(int scancode);

}  // namespace platform
