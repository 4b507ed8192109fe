// key_latch_test.cpp -- keys of the SDL window pressed and released between two reads of
// the game (a tap shorter than a frame) are seen, held keys stay down, and key scripts stay
// as written (run under Xvfb)
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/backend.h"
#include "platform/keyboard.h"
#include "platform/window_backend.h"
#include "support/engine_fixture.h"

namespace {

using namespace platform;

void pushKey(SDL_Scancode key, bool down) {
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.scancode = key;
  ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

void pushFocusLost() {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
}

// The SDL backend in place of the headless one, its keys read as the game reads them.
class WindowKeys : public testing_support::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    WindowOptions options;
    options.fullScreen = false;
    options.scale = 1;
    std::string error;
    auto window = makeWindowBackend(options, error);
    ASSERT_TRUE(window) << error;
    setBackend(std::move(window));
  }

  // The key's byte at the next read: from the window, or from the key script in use.
  uint8_t read(uint8_t code) {
    uint8_t state[256];
    readKeyboardState(state);
    return state[code];
  }
};

TEST_F(WindowKeys, a_tap_between_two_reads_is_down_at_the_next_read_then_up) {
  pushKey(SDL_SCANCODE_SPACE, true);
  pushKey(SDL_SCANCODE_SPACE, false);
  EXPECT_EQ(read(dik::SPACE), 0x80);
  EXPECT_EQ(read(dik::SPACE), 0);
}

TEST_F(WindowKeys, a_held_key_stays_down_until_released_or_the_focus_goes) {
  pushKey(SDL_SCANCODE_RIGHT, true);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(read(dik::RIGHT), 0x80) << i;
  pushKey(SDL_SCANCODE_RIGHT, false);
  EXPECT_EQ(read(dik::RIGHT), 0);

  pushKey(SDL_SCANCODE_RIGHT, true);
  EXPECT_EQ(read(dik::RIGHT), 0x80);
  pushFocusLost();
  EXPECT_EQ(read(dik::RIGHT), 0);
}

TEST_F(WindowKeys, a_key_script_is_played_as_written_whatever_the_window_gets) {
  testing_support::writeFile("in.keys", "1 SPACE down\n2 SPACE up\n");
  std::string error;
  ASSERT_TRUE(useKeyScript("in.keys", error)) << error;
  pushKey(SDL_SCANCODE_SPACE, true);
  pushKey(SDL_SCANCODE_SPACE, false);
  EXPECT_EQ(read(dik::SPACE), 0);  // read 0: the script holds nothing yet
  pushKey(SDL_SCANCODE_RIGHT, true);
  EXPECT_EQ(read(dik::SPACE), 0x80);
  EXPECT_EQ(read(dik::RIGHT), 0);
}

}  // namespace
