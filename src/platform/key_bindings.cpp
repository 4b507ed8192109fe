// key_bindings.cpp -- the physical-to-game key table
#include "platform/key_bindings.h"

#include <cstring>

#include "platform/keyboard.h"

namespace platform {

const std::vector<GameKey>& gameKeys() {
  static const std::vector<GameKey> keys = {
      {"left", dik::LEFT},           {"right", dik::RIGHT},
      {"keypad_left", dik::NUMPAD4}, {"keypad_right", dik::NUMPAD6},
      {"talk", dik::SPACE},          {"quit", dik::ESCAPE},
      {"music_stop", dik::F1},       {"music_play", dik::F2},
      {"fast", dik::LCONTROL},       {"skip", dik::KEY_1},
  };
  return keys;
}

KeyBindings::KeyBindings() {
  for (int i = 0; i < 256; ++i) table_[size_t(i)] = uint8_t(i);
}

void KeyBindings::bind(uint8_t gameCode, const std::vector<uint8_t>& keys) {
  for (uint8_t& target : table_)
    if (target == gameCode) target = 0;
  for (uint8_t key : keys) table_[key] = gameCode;
}

void KeyBindings::apply(const uint8_t physical[256], uint8_t game[256]) const {
  std::memset(game, 0, 256);
  for (int i = 1; i < 256; ++i)
    if (physical[i] && table_[size_t(i)]) game[table_[size_t(i)]] |= physical[i];
}

}  // namespace platform
