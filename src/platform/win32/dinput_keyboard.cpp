// dinput_keyboard.cpp -- DirectInput at version 0x0500, through the device interface that polls
#include "platform/win32/dinput_keyboard.h"

#define DIRECTINPUT_VERSION 0x0500
#include <dinput.h>

#include <cstdio>
#include <cstring>

namespace platform {
namespace {

std::string failed(const char* step, HRESULT r) {
  char text[96];
  std::snprintf(text, sizeof text, "%s failed (0x%08lX)", step, static_cast<unsigned long>(r));
  return text;
}

}  // namespace

bool DInputKeyboard::create(HINSTANCE instance, HWND window, std::string& error) {
  HRESULT r = DirectInputCreateA(instance, 0x0500, &input_, nullptr);
  if (FAILED(r)) return error = failed("DirectInputCreateA", r), false;
  IDirectInputDeviceA* first = nullptr;
  r = input_->CreateDevice(GUID_SysKeyboard, &first, nullptr);
  if (FAILED(r)) return error = failed("CreateDevice (keyboard)", r), false;
  r = first->QueryInterface(IID_IDirectInputDevice2A, reinterpret_cast<void**>(&device_));
  first->Release();
  if (FAILED(r)) return error = failed("QueryInterface (IDirectInputDevice2A)", r), false;
  device_->SetDataFormat(&c_dfDIKeyboard);

  DIPROPDWORD size{};
  size.diph.dwSize = sizeof size;
  size.diph.dwHeaderSize = sizeof size.diph;
  size.diph.dwObj = 0;
  size.diph.dwHow = DIPH_DEVICE;
  size.dwData = 16;
  r = device_->SetProperty(DIPROP_BUFFERSIZE, &size.diph);
  if (FAILED(r)) return release(), error = failed("SetProperty (buffer size)", r), false;
  // Keys typed into another program's window are that program's: the game reads the
  // keyboard only while its window is in front.
  r = device_->SetCooperativeLevel(window, DISCL_NONEXCLUSIVE | DISCL_FOREGROUND);
  if (FAILED(r)) return release(), error = failed("SetCooperativeLevel (keyboard)", r), false;
  device_->Acquire();
  return true;
}

void DInputKeyboard::release() {
  if (device_) {
    device_->Unacquire();
    device_->Release();
    device_ = nullptr;
  }
  if (input_) input_->Release();
  input_ = nullptr;
}

void DInputKeyboard::read(uint8_t state[256]) {
  if (!device_) return std::memset(state, 0, 256), void();
  device_->Poll();
  HRESULT r = device_->GetDeviceState(256, state);
  if (r == DIERR_INPUTLOST || r == DIERR_NOTACQUIRED) {
    // The window was in the background: take the keyboard again once it is in front.
    if (SUCCEEDED(device_->Acquire())) r = device_->GetDeviceState(256, state);
  }
  if (FAILED(r)) std::memset(state, 0, 256);  // no keys while the window is behind another
}

}  // namespace platform
