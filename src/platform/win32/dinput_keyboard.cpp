// dinput_keyboard.cpp -- DirectInput at version 0x0500: buffered key changes and the polled state
#include "platform/win32/dinput_keyboard.h"

#define DIRECTINPUT_VERSION 0x0500
#include <dinput.h>

#include "platform/win32/call_failure.h"
#include "platform/win32/com_ptr.h"

namespace platform {
namespace {
// A frame's taps fit easily; when more come, the poll still has every held key right.
constexpr DWORD kBufferedChanges = 64;
}  // namespace

bool DInputKeyboard::create(HINSTANCE instance, HWND window, std::string& error) {
  HRESULT r = DirectInputCreateA(instance, 0x0500, &input_, nullptr);
  if (FAILED(r)) return error = callFailure("DirectInputCreateA", r), false;
  IDirectInputDeviceA* first = nullptr;
  r = input_->CreateDevice(GUID_SysKeyboard, &first, nullptr);
  if (FAILED(r)) return error = callFailure("CreateDevice (keyboard)", r), false;
  r = first->QueryInterface(IID_IDirectInputDevice2A, reinterpret_cast<void**>(&device_));
  first->Release();
  if (FAILED(r)) return error = callFailure("QueryInterface (IDirectInputDevice2A)", r), false;
  device_->SetDataFormat(&c_dfDIKeyboard);

  DIPROPDWORD size{};
  size.diph.dwSize = sizeof size;
  size.diph.dwHeaderSize = sizeof size.diph;
  size.diph.dwObj = 0;
  size.diph.dwHow = DIPH_DEVICE;
  size.dwData = kBufferedChanges;
  r = device_->SetProperty(DIPROP_BUFFERSIZE, &size.diph);
  if (FAILED(r)) return release(), error = callFailure("SetProperty (buffer size)", r), false;
  // Keys typed into another program's window are that program's: the game reads the
  // keyboard only while its window is in front.
  r = device_->SetCooperativeLevel(window, DISCL_NONEXCLUSIVE | DISCL_FOREGROUND);
  if (FAILED(r)) return release(), error = callFailure("SetCooperativeLevel (keyboard)", r), false;
  device_->Acquire();
  return true;
}

void DInputKeyboard::release() {
  if (device_) device_->Unacquire();
  releaseCom(device_);
  releaseCom(input_);
}

void DInputKeyboard::read(uint8_t state[256]) {
  uint8_t polled[256];
  if (device_) takeBufferedChanges();
  if (device_ && poll(polled))
    keys_.hold(polled);
  else
    keys_.releaseAll();  // no keys while the window is behind another
  keys_.read(state);
}

void DInputKeyboard::takeBufferedChanges() {
  DIDEVICEOBJECTDATA changes[kBufferedChanges];
  DWORD count = kBufferedChanges;
  device_->Poll();
  if (FAILED(device_->GetDeviceData(sizeof changes[0], changes, &count, 0))) return;
  for (DWORD i = 0; i < count; ++i) {
    const uint8_t code = uint8_t(changes[i].dwOfs);
    if (changes[i].dwData & 0x80)
      keys_.press(code);
    else
      keys_.release(code);
  }
}

bool DInputKeyboard::poll(uint8_t polled[256]) {
  HRESULT r = device_->GetDeviceState(256, polled);
  if (r == DIERR_INPUTLOST || r == DIERR_NOTACQUIRED) {
    // The window was in the background: take the keyboard again once it is in front.
    if (SUCCEEDED(device_->Acquire())) r = device_->GetDeviceState(256, polled);
  }
  return SUCCEEDED(r);
}

}  // namespace platform
