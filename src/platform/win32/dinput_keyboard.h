// dinput_keyboard.h -- the system keyboard through DirectInput 5, read as 256 key bytes
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

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
  // The keyboard as it is now, indexed by DirectInput key code.
  void read(uint8_t state[256]);

 private:
  IDirectInputA* input_ = nullptr;
  IDirectInputDevice2A* device_ = nullptr;
};

}  // namespace platform
