// gamepad_test.cpp -- a game controller plugged into the running game (SDL's virtual one,
// under Xvfb) walks the hero and answers a balloon, as the same keys on the keyboard do
#include <SDL.h>
#include <gtest/gtest.h>

#include <map>

#include "platform/keyboard.h"
#include "platform/music_stream.h"
#include "platform/quit.h"
#include "platform/screen.h"
#include "platform/window_backend.h"
#include "shell/game.h"
#include "shell/game_run.h"
#include "shell/shell_state.h"
#include "shell/state_dump.h"
#include "support/game_run.h"
#include "support/state_dump.h"
#include "support/test_events.h"

namespace {

using namespace testing_support;

// One change of the controller before a keyboard read, and the key it stands for.
struct PadChange {
  uint64_t read;
  int button;  // SDL_GameControllerButton, or -1 for the left stick's x
  int value;   // 1 or 0 for a button, the stick's x from -32768 to 32767
  const char* key;
  bool down;
};

// The D-pad walks left, the stick right for longer (facing kim again), then A turns the
// pages at the reads where talk.keys presses Space.
const PadChange kPlay[] = {
    {20, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1, "LEFT", true},
    {28, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, "LEFT", false},
    {28, -1, 30000, "RIGHT", true},
    {44, -1, 2000, "RIGHT", false},  // inside the dead zone: the hero stops
    {55, SDL_CONTROLLER_BUTTON_A, 1, "SPACE", true},
    {56, SDL_CONTROLLER_BUTTON_A, 0, "SPACE", false},
    {65, SDL_CONTROLLER_BUTTON_A, 1, "SPACE", true},
    {66, SDL_CONTROLLER_BUTTON_A, 0, "SPACE", false},
    {75, SDL_CONTROLLER_BUTTON_A, 1, "SPACE", true},
    {76, SDL_CONTROLLER_BUTTON_A, 0, "SPACE", false},
};
constexpr int kFrames = 90;

// The window backend, with the virtual controller moved by the play before each read.
class PlayedPad final : public platform::Backend {
 public:
  PlayedPad(std::unique_ptr<Backend> window, SDL_Joystick* pad)
      : window_(std::move(window)), pad_(pad) {}
  bool createWindow(const char* caption) override { return window_->createWindow(caption); }
  void destroyWindow() override { window_->destroyWindow(); }
  void show(const uint8_t* pixels, const platform::PaletteEntry* palette, bool wait) override {
    window_->show(pixels, palette, wait);
  }
  void readKeys(uint8_t state[256]) override {
    for (const PadChange& c : kPlay) {
      if (c.read != platform::keyboardReads()) continue;
      if (c.button < 0)
        SDL_JoystickSetVirtualAxis(pad_, SDL_CONTROLLER_AXIS_LEFTX, Sint16(c.value));
      else
        SDL_JoystickSetVirtualButton(pad_, c.button, Uint8(c.value));
    }
    window_->readKeys(state);
  }
  void messageBox(const std::string& title, const std::string& text) override {
    window_->messageBox(title, text);
  }
  uint32_t millis() override { return window_->millis(); }
  void sleepMs(uint32_t ms) override { window_->sleepMs(ms); }
  std::unique_ptr<platform::MusicStream> createMusicStream() override {
    return window_->createMusicStream();
  }
  bool headless() const override { return false; }

 private:
  std::unique_ptr<Backend> window_;
  SDL_Joystick* pad_;
};

// A controller plugged in after the game's start, as SDL's hot-plug reports it.
SDL_Joystick* plugVirtualController() {
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "test pad";
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  return index < 0 ? nullptr : SDL_JoystickOpen(index);
}

// The game with a window as `game --window --scale 1 --seed 1 --frames N` runs it.
std::string dumpOfPadRun() {
  std::string error;
  platform::WindowOptions options;
  options.fullScreen = false;
  options.scale = 1;
  auto window = platform::makeWindowBackend(options, error);
  if (!window) return ADD_FAILURE() << error, "";
  SDL_Joystick* pad = plugVirtualController();
  if (!pad) return ADD_FAILURE() << "no virtual controller: " << SDL_GetError(), "";
  platform::setBackend(std::make_unique<PlayedPad>(std::move(window), pad));
  platform::ScreenHooks hooks;
  hooks.stopAfter = kFrames;
  platform::setScreenHooks(hooks);
  std::string dump;
  {
    shell::Game game;
    shell::shellState().SeedOverride = 1;
    shell::keepStateDumpAtStop();
    shell::runGame();
    EXPECT_TRUE(shell::writeStateDump("pad.json", error)) << error;
    dump = readFile("pad.json");
  }
  platform::setBackend(nullptr);
  return dump;
}

// The dump without the music, which a window plays on SDL's device and a headless run
// on its virtual clock.
std::string withoutMusic(std::string dump) {
  const size_t music = dump.find("\"music\":");
  if (music != std::string::npos) dump.erase(music, dump.find('}', music) + 1 - music);
  // Without a sound device the music file is never opened, so only the headless run warns that
  // the test world has none; the warnings come last.
  const size_t warnings = dump.find(", \"warnings\":");
  if (warnings != std::string::npos) dump.erase(warnings, dump.rfind(']') + 1 - warnings);
  return dump;
}

class Gamepad : public GameFolderTest {};

TEST_F(Gamepad, walks_the_hero_and_answers_the_balloon_as_the_keys_do) {
  writeConversationWorld();
  std::string keys;
  for (const PadChange& c : kPlay)
    keys += std::to_string(c.read) + " " + c.key + (c.down ? " down\n" : " up\n");
  writeFile("pad.keys", keys);
  const std::string byKeys = dumpOfRun(
      {"--headless", "--seed", "1", "--frames", std::to_string(kFrames), "--input", "pad.keys"});
  const std::string byPad = dumpOfPadRun();
  ASSERT_FALSE(byPad.empty());
  EXPECT_EQ(withoutMusic(byPad), withoutMusic(byKeys));
  // The hero walked (right for longer than left, from x 10), and the conversation set
  // its flag.
  EXPECT_GT(dumpNumber(dumpObject(byPad, "hero"), "x"), 10);
  EXPECT_EQ(dumpFlag(byPad, 3), 1);
  EXPECT_EQ(dumpNumber(byKeys, "reads"), dumpNumber(byPad, "reads"));
}

TEST_F(Gamepad, a_button_tapped_between_two_reads_is_down_at_the_next_read_then_up) {
  std::string error;
  platform::WindowOptions options;
  options.fullScreen = false;
  options.scale = 1;
  auto window = platform::makeWindowBackend(options, error);
  ASSERT_TRUE(window) << error;
  SDL_Joystick* pad = plugVirtualController();
  ASSERT_TRUE(pad) << SDL_GetError();
  uint8_t state[256];
  window->readKeys(state);  // the game opens the controller
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
  SDL_PumpEvents();  // SDL sees the button down, and up at the next read
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
  window->readKeys(state);
  EXPECT_EQ(state[platform::dik::SPACE], 0x80);
  window->readKeys(state);
  EXPECT_EQ(state[platform::dik::SPACE], 0);
}

}  // namespace
