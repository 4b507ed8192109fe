// event_actors_test.cpp -- interpreter steps on the hero and the map actors: holds, turns,
// scripted walks frame by frame, removal, the camera's fall-through, icon balloons
#include <string>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "support/test_events.h"
#include "world/event_interpreter.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using namespace testing_support;
using namespace testing_support::words;
using namespace world;
using actors::Actor;
using actors::actorsState;

std::string cmd(const char* word, const std::string& args = "") {
  return args.empty() ? std::string(word) : std::string(word) + " " + args;
}

TestActor man(const std::string& x) {
  TestActor a;
  a.x = x;
  return a;
}

class EventActorsTest : public EventWorldTest {
 protected:
  // Event 3 with these commands on a map with two actors, at x 200 and 400.
  void run(const std::vector<std::string>& commands) {
    startMap(eventSection({eventText("3", commands)}), {man("200.0"), man("400.0")});
    startEvent(3);
  }
  Actor& actor(int i) { return *worldState().CurrentScene->actors[i]; }
};

TEST_F(EventActorsTest, hero_commands_hold_release_turn_move_and_pose) {
  run({kHeroHold, kHeroFaceRight, cmd(kHeroMove, "700"), kHeroLookDown, kHeroLookUp, kHeroFaceLeft,
       kHeroRelease});
  steps(1);
  EXPECT_EQ(actorsState().Hero->busy, 1);
  steps(1);
  EXPECT_EQ(actorsState().Hero->facing, 1);
  steps(1);
  EXPECT_FLOAT_EQ(actorsState().Hero->x, 700.0f);
  steps(1);
  EXPECT_EQ(actorsState().Hero->frame, 10);  // poses are allowed while held
  steps(1);
  EXPECT_EQ(actorsState().Hero->frame, 11);
  steps(1);
  EXPECT_EQ(actorsState().Hero->facing, 0);
  steps(1);
  EXPECT_EQ(actorsState().Hero->busy, 0);
  EXPECT_EQ(worldState().CurrentStep, 7);
}

TEST_F(EventActorsTest, a_walk_of_30_ends_on_the_31st_call_and_the_next_step_runs_on_the_32nd) {
  run({cmd(kHeroWalkRight, "30"), kHeroFaceLeft});
  for (int call = 1; call <= 30; ++call) {
    steps(1);
    ASSERT_EQ(worldState().CurrentStep, 0) << call;
    ASSERT_EQ(worldState().WalkCounter, call - 1) << call;
    ASSERT_NEAR(actorsState().Hero->x, 10.0f + 1.3f * call, 0.001f) << call;
    ASSERT_EQ(actorsState().Hero->busy, 1);
    ASSERT_EQ(actorsState().Hero->motion, actors::kWalking);
  }
  steps(1);
  EXPECT_EQ(worldState().CurrentStep, 1);
  EXPECT_EQ(worldState().WalkCounter, -1);
  EXPECT_NEAR(actorsState().Hero->x, 49.0f, 0.001f);
  EXPECT_EQ(actorsState().Hero->facing, 1);
  steps(1);
  EXPECT_EQ(actorsState().Hero->facing, 0);
}

TEST_F(EventActorsTest, a_walk_in_the_frame_loop_keeps_its_walk_animation) {
  startMap(eventSection({eventText("99", {cmd(kHeroWalkRight, "20")})}));
  frames(12);
  // Neither the frame loop nor the interpreter made the hero stand in between.
  EXPECT_EQ(actorsState().Hero->motion, actors::kWalking);
  EXPECT_EQ(actorsState().Hero->frame, 7);
  EXPECT_EQ(actorsState().Hero->walkTick, 12);
}

TEST_F(EventActorsTest, walks_of_0_end_at_once_and_negative_walks_never) {
  run({cmd(kHeroWalkLeft, "0"), cmd(kHeroWalkRight, "-1")});
  steps(1);
  EXPECT_EQ(worldState().CurrentStep, 1);
  EXPECT_FLOAT_EQ(actorsState().Hero->x, 10.0f);
  steps(100);
  EXPECT_EQ(worldState().CurrentStep, 1);
  EXPECT_NEAR(actorsState().Hero->x, 140.0f, 0.01f);
}

TEST_F(EventActorsTest, an_actor_walk_moves_that_actor_and_leaves_it_held) {
  run({cmd(kWalkLeft, "1 3"), cmd(kWalkRight, "0 2"), kHeroHold});
  steps(4);
  EXPECT_EQ(worldState().CurrentStep, 1);
  EXPECT_NEAR(actor(1).x, 400.0f - 3.9f, 0.001f);
  EXPECT_EQ(actor(1).facing, 0);
  EXPECT_EQ(actor(1).busy, 1);
  steps(3);
  EXPECT_EQ(worldState().CurrentStep, 2);
  EXPECT_NEAR(actor(0).x, 202.6f, 0.001f);
  EXPECT_FLOAT_EQ(actorsState().Hero->x, 10.0f);
}

TEST_F(EventActorsTest, walking_past_the_left_edge_starts_event_97_at_the_same_step) {
  run({cmd(kHeroWalkLeft, "5")});
  actorsState().Hero->x = 0.5f;
  steps(1);
  EXPECT_EQ(worldState().CurrentEvent, 3);
  steps(1);
  EXPECT_EQ(worldState().CurrentEvent, EDGE_EVENT_LEFT);
  EXPECT_EQ(worldState().CurrentStep, 0);
  EXPECT_LT(actorsState().Hero->x, 0.0f);
}

TEST_F(EventActorsTest, actor_turns_and_removal) {
  run({cmd(kFaceRight, "1"), cmd(kFaceLeft, "1"), cmd(kVanish, "0")});
  actor(0).eventNumber = 5;
  actor(0).busy = 1;
  steps(1);
  EXPECT_EQ(actor(1).facing, 1);
  steps(1);
  EXPECT_EQ(actor(1).facing, 0);
  steps(1);
  EXPECT_EQ(actor(0).motion, actors::kRemoved);
  EXPECT_EQ(actor(0).busy, 0);
  EXPECT_EQ(actor(0).eventNumber, 0);
}

TEST_F(EventActorsTest, commands_on_missing_actors_are_steps_that_do_nothing) {
  run({cmd(kFaceRight, "2"), cmd(kFaceRight, "-1"), cmd(kWalkLeft, "2 30"), cmd(kVanish, "9"),
       cmd(kIcon, "3 1"), cmd(kIcon, "-1 1"), cmd(kIcon, "1 8"), kHeroHold});
  for (int s = 1; s <= 7; ++s) {
    steps(1);
    ASSERT_EQ(worldState().CurrentStep, s);
    ASSERT_EQ(worldState().WalkCounter, -1);
    ASSERT_EQ(worldState().IconOwner, -1);
  }
  EXPECT_EQ(actor(0).facing, 0);
  EXPECT_EQ(actor(1).facing, 0);
  EXPECT_EQ(actor(1).motion, actors::kStanding);
  steps(1);
  EXPECT_EQ(actorsState().Hero->busy, 1);
}

TEST_F(EventActorsTest, the_camera_and_the_step_after_it_run_in_one_call) {
  run({kCamera, kHeroHold, kHeroFaceRight});
  actorsState().Hero->x = 1200.0f;
  steps(1);
  EXPECT_EQ(worldState().CurrentScene->cameraX, 960);
  EXPECT_EQ(gfx::gfxState().FarLayer->scrollX, 480);
  EXPECT_EQ(actorsState().Hero->busy, 1);
  EXPECT_EQ(worldState().CurrentStep, 2);
  EXPECT_EQ(actorsState().Hero->facing, 0);
  steps(1);
  EXPECT_EQ(actorsState().Hero->facing, 1);

  run({kCamera, kCamera, kHeroHold});
  actorsState().Hero->x = 10.0f;
  actorsState().Hero->busy = 0;
  worldState().CurrentScene->cameraX = 500;
  steps(1);
  EXPECT_EQ(worldState().CurrentScene->cameraX, 0);
  EXPECT_EQ(actorsState().Hero->busy, 1);
  EXPECT_EQ(worldState().CurrentStep, 3);
}

TEST_F(EventActorsTest, after_the_camera_an_opcode_out_of_range_is_skipped_in_the_same_call) {
  run({kCamera, kHeroHold, kHeroFaceRight});
  eventTables().EventOps[3][1] = 300;
  steps(1);
  EXPECT_EQ(worldState().CurrentStep, 2);
  EXPECT_EQ(actorsState().Hero->busy, 0);
}

TEST_F(EventActorsTest, an_icon_balloon_starts_and_the_next_step_runs_on_the_next_call) {
  run({cmd(kIcon, "0 3"), kHeroHold, cmd(kIcon, "2 7")});
  worldState().IconTicker = 55;
  steps(1);
  EXPECT_EQ(worldState().IconOwner, 0);
  EXPECT_EQ(worldState().IconKind, 3);
  EXPECT_EQ(worldState().IconTicker, 0);
  EXPECT_EQ(actorsState().Hero->busy, 0);
  steps(1);
  EXPECT_EQ(actorsState().Hero->busy, 1);
  steps(1);
  EXPECT_EQ(worldState().IconOwner, 2);
  EXPECT_EQ(worldState().IconKind, 7);
}

}  // namespace
