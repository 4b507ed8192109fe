// window_backend.h -- the backend with a real window on this system: SDL2, or Win32 on Windows
#pragma once

#include <memory>
#include <string>

#include "platform/backend.h"

namespace platform {

struct WindowOptions {
  bool fullScreen = true;
  int scale = 0;  // window scale; 0 picks the largest that fits the desktop
};

// Null with a one-line reason when no display can be reached.
std::unique_ptr<Backend> makeWindowBackend(const WindowOptions& options, std::string& error);

}  // namespace platform
