// sdl_gamepad.cpp -- hot-plugged game controllers and their buttons as key codes
#include "platform/sdl/sdl_gamepad.h"

#include <algorithm>

#include "platform/keyboard.h"

namespace platform {
namespace {

// A stick pushed past about a third of its way walks; a resting stick never does.
constexpr Sint16 kStickDeadZone = 12000;

struct ButtonKey {
  SDL_GameControllerButton button;
  uint8_t code;
};
constexpr ButtonKey kButtonKeys[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, dik::LEFT},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, dik::RIGHT},
    {SDL_CONTROLLER_BUTTON_A, dik::SPACE},
    {SDL_CONTROLLER_BUTTON_B, dik::KEY_1},
    {SDL_CONTROLLER_BUTTON_X, dik::F1},
    {SDL_CONTROLLER_BUTTON_Y, dik::F2},
    {SDL_CONTROLLER_BUTTON_BACK, dik::ESCAPE},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, dik::LCONTROL},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, dik::LCONTROL},
};

}  // namespace

bool SdlGamepads::handle(const SDL_Event& e) {
  if (e.type == SDL_CONTROLLERDEVICEADDED) {
    // which is the device index here; the controller is known by its instance id after.
    if (SDL_GameController* pad = SDL_GameControllerOpen(e.cdevice.which)) {
      if (std::find(open_.begin(), open_.end(), pad) == open_.end())
        open_.push_back(pad);
      else
        SDL_GameControllerClose(pad);  // opened twice: SDL counts references
    }
    return true;
  }
  if (e.type == SDL_CONTROLLERBUTTONDOWN) {
    for (const ButtonKey& b : kButtonKeys) {
      if (b.button != e.cbutton.button) continue;
      presses_.press(b.code);
      presses_.release(b.code);
    }
    return true;
  }
  if (e.type == SDL_CONTROLLERBUTTONUP) return true;
  if (e.type == SDL_CONTROLLERDEVICEREMOVED) {
    SDL_GameController* pad = SDL_GameControllerFromInstanceID(e.cdevice.which);
    const auto it = std::find(open_.begin(), open_.end(), pad);
    if (pad && it != open_.end()) {
      SDL_GameControllerClose(pad);
      open_.erase(it);
    }
    return true;
  }
  return false;
}

void SdlGamepads::merge(uint8_t state[256]) {
  uint8_t pressed[256];
  presses_.read(pressed);
  for (int i = 0; i < 256; ++i) state[i] |= pressed[i];
  for (SDL_GameController* pad : open_) {
    for (const ButtonKey& b : kButtonKeys)
      if (SDL_GameControllerGetButton(pad, b.button)) state[b.code] = 0x80;
    const Sint16 x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    if (x < -kStickDeadZone) state[dik::LEFT] = 0x80;
    if (x > kStickDeadZone) state[dik::RIGHT] = 0x80;
  }
}

void SdlGamepads::closeAll() {
  for (SDL_GameController* pad : open_) SDL_GameControllerClose(pad);
  open_.clear();
}

}  // namespace platform
