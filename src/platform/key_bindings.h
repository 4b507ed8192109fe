// key_bindings.h -- which physical keys give which of the game's key codes
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace platform {

// The game's keys as the settings name them ("key.left"), each with its key code.
struct GameKey {
  const char* name;
  uint8_t code;
};
const std::vector<GameKey>& gameKeys();

// A table from physical key codes to the key codes the game reads. At first every key
// gives itself, as the game has always read the keyboard.
class KeyBindings {
 public:
  KeyBindings();
  // The physical keys in keys give gameCode from now on, and the keys that gave it
  // before no longer do (unless listed); a listed key leaves what it gave before.
  void bind(uint8_t gameCode, const std::vector<uint8_t>& keys);
  // The game's key state from the physical one: a game key is down while any key bound
  // to it is.
  void apply(const uint8_t physical[256], uint8_t game[256]) const;
  uint8_t gameCodeOf(uint8_t physical) const { return table_[physical]; }

 private:
  std::array<uint8_t, 256> table_{};
};

}  // namespace platform
