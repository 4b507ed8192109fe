// dinput_keyboard.h -- the system keyboard through DirectInput 5, read as 256 key bytes
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/key_latch.h"

struct IDirectInputA;
struct IDirectInputDevice2A;

namespace platform {

class DInputKeyboard {
 public:
  ~DInputKeyboard() { release(); }

  // The input object, the keyboard device, its data format, buffer size and
  // cooperative level. False with the failing step in error.
  bool create(HINSTANCE instance, HWND window, std::string& error);
  // Unacquires and releases the device, then the input object.
  void release();
  // The keyboard as it is now, indexed by DirectInput key code, with the keys pressed
  // since the last read down as well.
  void read(uint8_t state[256]);

 private:
  // The presses and releases the device buffered since the last read.
  void takeBufferedChanges();
  // The keys held now; false while the window is behind another.
  bool poll(uint8_t polled[256]);

  IDirectInputA* input_ = nullptr;
  IDirectInputDevice2A* device_ = nullptr;
  KeyLatch keys_;
};

}  // namespace platform
