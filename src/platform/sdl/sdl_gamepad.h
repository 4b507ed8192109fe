// sdl_gamepad.h -- game controllers through SDL, read as the game's keys
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/key_latch.h"

namespace platform {

// Every game controller plugged in while the game runs: the D-pad and the left stick walk
// (LEFT, RIGHT), A talks (SPACE), B skips a cut-scene (1), X and Y stop and run the music
// (F1, F2), Back quits (ESCAPE), a shoulder button fast-forwards (LCONTROL).
class SdlGamepads {
 public:
  ~SdlGamepads() { closeAll(); }
  // Opens and closes controllers as they come and go, and keeps the buttons pressed;
  // false for other events.
  bool handle(const SDL_Event& e);
  // Sets the game's keys that some controller holds, or whose button was pressed since the
  // last merge; leaves the others as they are.
  void merge(uint8_t state[256]);
  void closeAll();

 private:
  std::vector<SDL_GameController*> open_;
  // Only the presses: whether a button is held is asked of the controllers, which know it
  // also for two buttons giving one key and for buttons held before a controller came.
  KeyLatch presses_;
};

}  // namespace platform
