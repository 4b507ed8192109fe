// story_test.cpp -- the fault tests' game without faults: the states that the other tests interrupt
// are where those tests expect them, and the game ends by itself without a message
#include "faults/fault_fixture.h"
#include "faults/fault_world.h"

namespace faults {
namespace {

using Story = FaultTest;

TEST_F(Story, passes_through_fade_balloon_walk_warp_and_cut_scene_to_its_end) {
  GameRun run = runHeadless({"--frames", std::to_string(kInFade)});
  EXPECT_GT(number(run.dump, "brightness"), 0);
  EXPECT_LT(number(run.dump, "brightness"), 100);

  run = runHeadless({"--frames", std::to_string(kInBalloon)});
  EXPECT_EQ(number(run.dump, "brightness"), 100);
  EXPECT_EQ(number(run.dump, "textIndex"), 0);

  run = runHeadless({"--frames", std::to_string(kInWalk)});
  EXPECT_EQ(number(run.dump, "textIndex"), -1);
  EXPECT_GE(number(run.dump, "walkCounter"), 0);

  run = runHeadless({"--frames", std::to_string(kInWarp)});
  EXPECT_EQ(number(run.dump, "warpPending"), 1);
  EXPECT_EQ(number(object(run.dump, "music"), "state"), 0);
  EXPECT_EQ(number(object(run.dump, "music"), "running"), 1);
  EXPECT_GT(number(run.dump, "brightness"), 0);
  EXPECT_LT(number(run.dump, "brightness"), 100);

  run = runHeadless({"--frames", std::to_string(kInCutScene)});
  EXPECT_NE(run.dump.find("\"mapName\": \"30\""), std::string::npos);
  EXPECT_EQ(number(object(run.dump, "visual"), "playing"), 1);

  run = runHeadless({});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(number(run.dump, "gameRunning"), 0);
  EXPECT_NE(run.dump.find("\"messages\": []"), std::string::npos);
}

}  // namespace
}  // namespace faults
