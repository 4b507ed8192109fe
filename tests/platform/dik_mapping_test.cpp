// dik_mapping_test.cpp -- every key the game tests maps from SDL and by name
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/keyboard.h"
#include "platform/sdl/sdl_backend.h"

namespace {

using namespace platform;

TEST(DikMapping, keys_the_game_tests) {
  const std::tuple<SDL_Scancode, uint8_t, const char*> keys[] = {
      {SDL_SCANCODE_ESCAPE, 0x01, "ESCAPE"},  {SDL_SCANCODE_1, 0x02, "1"},
      {SDL_SCANCODE_LCTRL, 0x1D, "LCONTROL"}, {SDL_SCANCODE_SPACE, 0x39, "SPACE"},
      {SDL_SCANCODE_F1, 0x3B, "F1"},          {SDL_SCANCODE_F2, 0x3C, "F2"},
      {SDL_SCANCODE_KP_4, 0x4B, "NUMPAD4"},   {SDL_SCANCODE_LEFT, 0xCB, "LEFT"},
      {SDL_SCANCODE_KP_6, 0x4D, "NUMPAD6"},   {SDL_SCANCODE_RIGHT, 0xCD, "RIGHT"},
  };
  for (const auto& [scancode, code, name] : keys) {
    EXPECT_EQ(dikFromScancode(scancode), code) << name;
    uint8_t parsed = 0;
    EXPECT_TRUE(parseDikKey(name, parsed)) << name;
    EXPECT_EQ(parsed, code) << name;
    EXPECT_STREQ(dikName(code), name);
  }
}

TEST(DikMapping, keypad_and_main_keys_stay_apart) {
  // The keypad's 4 and the main 4, right Control and left Control are different keys.
  EXPECT_NE(dikFromScancode(SDL_SCANCODE_4), dikFromScancode(SDL_SCANCODE_KP_4));
  EXPECT_EQ(dikFromScancode(SDL_SCANCODE_RCTRL), 0x9D);
  EXPECT_EQ(dikFromScancode(SDL_SCANCODE_KP_ENTER), 0x9C);
  EXPECT_EQ(dikFromScancode(SDL_SCANCODE_UNKNOWN), 0);
  EXPECT_EQ(dikFromScancode(SDL_NUM_SCANCODES + 5), 0);
}

TEST(DikMapping, every_mapped_scancode_has_a_name) {
  for (int s = 0; s < SDL_NUM_SCANCODES; ++s) {
    const uint8_t code = dikFromScancode(s);
    if (code) {
      EXPECT_NE(dikName(code), nullptr) << "scancode " << s;
    }
  }
}

}  // namespace
