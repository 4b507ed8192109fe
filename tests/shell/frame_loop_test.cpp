// frame_loop_test.cpp -- the scene cycle's set-up, the fade, the tints and the talk key
#include <cstring>

#include "display/keyboard.h"
#include "display/palette.h"
#include "platform/keyboard.h"
#include "platform/screen.h"
#include "shell/scene_cycle.h"
#include "shell/shell_state.h"
#include "support/engine_fixture.h"
#include "world/event_tables.h"

namespace {

using namespace display;
using testing_support::EngineTest;

class FrameLoopTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
    std::strcpy(shell::shellState().MapName, "20");
  }
};

TEST_F(FrameLoopTest, scene_start_resets_tables_and_fades_in_by_two) {
  world::eventTables().EventOps[5][7] = 3;
  world::eventTables().TextLines[4][0] = 'x';
  world::worldState().EventFlags[2] = 9;
  shell::beginScene();
  EXPECT_EQ(world::eventTables().EventOps[5][7], -1);
  EXPECT_EQ(world::eventTables().TextLines[4][0], 0);
  EXPECT_EQ(world::worldState().EventFlags[2], 9);  // flags live for the whole game
  EXPECT_EQ(world::worldState().CurrentEvent, world::ENTRY_EVENT);
  EXPECT_EQ(world::worldState().TextIndex, -1);
  EXPECT_EQ(world::worldState().WalkCounter, -1);
  EXPECT_EQ(world::worldState().IconOwner, -1);
  EXPECT_EQ(displayState().Brightness, 2);
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(shell::runFrame());
  EXPECT_EQ(displayState().Brightness, 22);
  for (int i = 0; i < 60; ++i) ASSERT_TRUE(shell::runFrame());
  EXPECT_EQ(displayState().Brightness, 100);
  // The map "20" is tinted blue +15 at full strength: entry 10 is (10, 245, 5) in the file.
  EXPECT_EQ(displayState().WorkingPalette[10].blue, 20);
}

TEST_F(FrameLoopTest, tints_by_the_second_letter_of_the_map_name) {
  const std::tuple<const char*, uint8_t, uint8_t> cases[] = {
      {"20", 245, 5 + 15}, {"a2", 245 - 40, 0}, {"x", 245, 5}, {"33", 245, 5}};
  for (const auto& [name, green, blue] : cases) {
    std::strcpy(shell::shellState().MapName, name);
    shell::beginScene();
    EXPECT_EQ(displayState().BasePalette[10].green, green) << name;
    EXPECT_EQ(displayState().BasePalette[10].blue, blue) << name;
  }
}

TEST_F(FrameLoopTest, warp_fades_out_by_two) {
  shell::beginScene();
  displayState().Brightness = 10;
  world::worldState().WarpPending = 1;
  ASSERT_TRUE(shell::runFrame());
  EXPECT_EQ(displayState().Brightness, 8);
}

TEST_F(FrameLoopTest, escape_leaves_the_loop) {
  std::string error;
  testing_support::writeFile("esc.keys", "1 ESCAPE down\n");
  ASSERT_TRUE(platform::useKeyScript("esc.keys", error)) << error;
  shell::beginScene();
  EXPECT_TRUE(shell::runFrame());
  EXPECT_FALSE(shell::runFrame());
}

TEST_F(FrameLoopTest, counter_text_is_zero_in_the_first_second) {
  shell::beginScene();
  for (int i = 0; i < 61; ++i) ASSERT_TRUE(shell::runFrame());
  EXPECT_STREQ(shell::shellState().FrameText, "frame 0  0");
  // Headless time is frames x 1000 / 60: the first tick comes after frame 61.
  ASSERT_TRUE(shell::runFrame());
  EXPECT_STREQ(shell::shellState().FrameText, "frame 61  0");
}

TEST(TalkKey, acts_only_after_eight_frames_up) {
  shell::TalkKey key;
  const auto frame = [&key](bool down) {
    const bool acted = key.freshPress(down);
    key.advance(acted, down);
    return acted;
  };
  EXPECT_TRUE(frame(true));
  for (int i = 0; i < 20; ++i) EXPECT_FALSE(frame(true)) << "held " << i;
  for (int i = 0; i < 7; ++i) EXPECT_FALSE(frame(false));
  EXPECT_FALSE(frame(true)) << "pressed again after 7 frames up";
  for (int i = 0; i < 8; ++i) EXPECT_FALSE(frame(false));
  EXPECT_TRUE(frame(true)) << "pressed after 8 frames up";
}

}  // namespace
