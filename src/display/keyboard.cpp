// keyboard.cpp -- KeyState from the keyboard device
#include "display/keyboard.h"

namespace display {

bool InitKeyboard() { return platform::createKeyboardDevice(); }

uint8_t* ReadKeyboard() {
  uint8_t* keys = displayState().KeyState;
  platform::readKeyboardState(keys);
  return keys;
}

void ReleaseKeyboard() { platform::releaseKeyboardDevice(); }

}  // namespace display
