// no_sound_device_test.cpp -- the whole game, in this process, on a system without a sound
// device: the music player is in state 2 from the start and the game plays to its end in silence
#include "audio/music_player.h"
#include "faults/fault_world.h"
#include "platform/faults.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "shell/game_run.h"
#include "shell/shell_state.h"
#include "support/engine_fixture.h"

namespace faults {
namespace {

using NoSoundDevice = testing_support::EngineTest;

TEST_F(NoSoundDevice, leaves_the_player_in_state_2_and_the_game_plays_to_its_end) {
  writeFaultWorld();
  platform::faults().soundDevice = true;
  int state = -99, volume = -99;
  // The keys of the story (Space at read 60); the player is looked at as the game runs.
  platform::setKeyProvider([&](uint64_t read, uint8_t keys[256]) {
    if (read == 60) keys[platform::dik::SPACE] = 0x80;
    if (read == 100 && audio::audioState().Music) {
      state = audio::audioState().Music->state;
      volume = audio::audioState().Music->volume;
    }
  });
  EXPECT_EQ(shell::runGame(), 0);
  EXPECT_EQ(state, 2);
  EXPECT_EQ(volume, 0);
  EXPECT_EQ(shell::shellState().GameRunning, 0);
  EXPECT_GT(platform::presentedFrames(), 150u);
  EXPECT_TRUE(platform::shownMessages().empty());
}

}  // namespace
}  // namespace faults
