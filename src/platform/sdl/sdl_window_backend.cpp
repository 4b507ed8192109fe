// sdl_window_backend.cpp -- the window backend of systems other than Windows is SDL2's
#include "platform/sdl/sdl_backend.h"
#include "platform/window_backend.h"

namespace platform {

std::unique_ptr<Backend> makeWindowBackend(const WindowOptions& options, std::string& error) {
  return makeSdlBackend(options, error);
}

}  // namespace platform
