// keyboard.h -- the keyboard device and KeyState, read once per frame
#pragma once

#include <cstdint>

#include "display/display_state.h"
#include "platform/keyboard.h"

namespace display {

// The keyboard steps of the display start-up; false when the device cannot be had.
bool InitKeyboard();
// Refreshes KeyState and returns it.
uint8_t* ReadKeyboard();
void ReleaseKeyboard();

}  // namespace display
