// key_latch.cpp -- held keys and presses not yet read
#include "platform/key_latch.h"

#include <cstddef>

namespace platform {

void KeyLatch::press(uint8_t code) { held_[code] = pressed_[code] = true; }

void KeyLatch::release(uint8_t code) { held_[code] = false; }

void KeyLatch::releaseAll() { held_.fill(false); }

void KeyLatch::clear() {
  held_.fill(false);
  pressed_.fill(false);
}

void KeyLatch::hold(const uint8_t polled[256]) {
  for (int i = 0; i < 256; ++i) {
    if (polled[i] & 0x80)
      press(uint8_t(i));
    else
      release(uint8_t(i));
  }
}

void KeyLatch::read(uint8_t state[256]) {
  for (std::size_t i = 0; i < 256; ++i) state[i] = held_[i] || pressed_[i] ? 0x80 : 0;
  pressed_.fill(false);
}

}  // namespace platform
