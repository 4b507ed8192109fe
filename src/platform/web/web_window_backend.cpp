// web_window_backend.cpp -- in the browser the game's window is the page's canvas
#include "platform/web/web_backend.h"
#include "platform/window_backend.h"

namespace platform {

// The page decides the canvas's size and full screen (the Fullscreen API wants a gesture).
std::unique_ptr<Backend> makeWindowBackend(const WindowOptions&, std::string& error) {
  return makeWebBackend(error);
}

}  // namespace platform
