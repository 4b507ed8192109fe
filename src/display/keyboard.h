// keyboard.h -- the keyboard device and KeyState, read once per frame
#pragma once

#include <cstdint>

#include "platform/keyboard.h"

namespace display {

// Non-zero while the key of that DirectInput code is down; written only by ReadKeyboard.
extern uint8_t KeyState[256];

// The keyboard steps of the display start-up; false when the device cannot be had.
bool InitKeyboard();
// Refreshes KeyState and returns it.
uint8_t* ReadKeyboard();
void ReleaseKeyboard();

}  // namespace display
