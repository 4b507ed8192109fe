// keyboard.cpp -- KeyState from the keyboard device
#include "display/keyboard.h"

namespace display {

uint8_t KeyState[256];

bool InitKeyboard() { return platform::createKeyboardDevice(); }

uint8_t* ReadKeyboard() {
  platform::readKeyboardState(KeyState);
  return KeyState;
}

void ReleaseKeyboard() { platform::releaseKeyboardDevice(); }

}  // namespace display
