// window_backend.h -- the backend with a real window on this system: SDL2, or Win32 on Windows
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/backend.h"
#include "platform/key_bindings.h"

namespace platform {

// How the 640 x 480 picture fills the window: by the largest whole scale that fits, with
// bars around it, or that scale smoothed on to fill the height (or width) at 4:3.
enum class ScaleFilter { whole, sharp };

// What the player sees and changes in the window. The SDL backend honours all of it; the
// others take the full screen and the scale.
struct WindowOptions {
  bool fullScreen = true;
  int scale = 0;  // window scale; 0 picks the largest that fits the desktop
  // A window of this size in place of the scale, once the player has resized it (0: none).
  int windowWidth = 0, windowHeight = 0;
  int display = 0;  // the display the game opens on, from 0
  ScaleFilter filter = ScaleFilter::whole;
  bool gamepad = true;
  KeyBindings keys;
  // Told when the player toggles full screen or resizes the window, to keep the choice.
  std::function<void(bool fullScreen, int windowWidth, int windowHeight)> changed;
};

// Null with a one-line reason when no display can be reached.
std::unique_ptr<Backend> makeWindowBackend(const WindowOptions& options, std::string& error);

}  // namespace platform
