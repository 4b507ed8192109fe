// key_latch.h -- a device's keys from its down and up events, with taps between two reads kept
#pragma once

#include <array>
#include <cstdint>

namespace platform {

// The game reads the keyboard once a frame; a key pressed and released between two reads
// would never be seen down. A key pressed since the last read therefore reads as down at
// the next read, however short the press, and as up at the read after once released.
class KeyLatch {
 public:
  void press(uint8_t code);
  void release(uint8_t code);
  // Every key up (the window lost the keyboard); presses not yet read are still seen.
  void releaseAll();
  // Every key up and every press not yet read forgotten.
  void clear();
  // The keys held as a device polled says, for devices whose events may be lost: keys
  // down there are pressed, the others released.
  void hold(const uint8_t polled[256]);
  // 0x80 for each key held or pressed since the last read, 0 for the others.
  void read(uint8_t state[256]);

 private:
  std::array<bool, 256> held_{};
  std::array<bool, 256> pressed_{};
};

}  // namespace platform
