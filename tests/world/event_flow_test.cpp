// event_flow_test.cpp -- the interpreter's guards and flow: end of event, flags, jumps, text
// waits, warps, the game end, skipped steps
#include <string>
#include <vector>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "display/display_state.h"
#include "display/palette.h"
#include "platform/message_box.h"
#include "platform/screen.h"
#include "shell/shell_state.h"
#include "support/test_events.h"
#include "world/event_interpreter.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using namespace testing_support;
using namespace testing_support::words;
using namespace world;
using actors::actorsState;

std::string cmd(const char* word, const std::string& args = "") {
  return args.empty() ? std::string(word) : std::string(word) + " " + args;
}
std::string ifFlag(const std::string& args) { return cmd(kIf, std::string(kFlag) + " " + args); }

TestActor man(const std::string& x) {
  TestActor a;
  a.x = x;
  a.eventNumber = 3;
  return a;
}

using EventFlowTest = EventWorldTest;

TEST_F(EventFlowTest, a_map_without_event_99_releases_hero_and_slot_0_on_the_first_frame) {
  startMap("0\r\n", {man("200.0"), man("300.0")});
  actorsState().Hero->busy = 1;
  worldState().CurrentScene->actors[0]->busy = 1;
  worldState().CurrentScene->actors[1]->busy = 1;
  frames(1);
  EXPECT_EQ(worldState().CurrentEvent, 0);
  EXPECT_EQ(worldState().CurrentStep, 0);
  EXPECT_EQ(actorsState().Hero->busy, 0);
  EXPECT_EQ(worldState().CurrentScene->actors[0]->busy, 0);  // EventActor is 0 at every map start
  EXPECT_EQ(worldState().CurrentScene->actors[1]->busy, 1);
}

TEST_F(EventFlowTest, the_end_of_a_touch_event_leaves_the_actors_alone) {
  startMap(eventSection({eventText("4", {kHeroHold})}), {man("200.0")});
  startEvent(4);
  worldState().EventActor = -1;
  worldState().CurrentScene->actors[0]->busy = 1;
  steps(1);
  EXPECT_EQ(actorsState().Hero->busy, 1);
  steps(1);
  EXPECT_EQ(worldState().CurrentEvent, 0);
  EXPECT_EQ(actorsState().Hero->busy, 0);
  EXPECT_EQ(worldState().CurrentScene->actors[0]->busy, 1);
  // An EventActor past the last actor releases nobody but the hero.
  startEvent(4);
  worldState().EventActor = 7;
  steps(2);
  EXPECT_EQ(worldState().CurrentEvent, 0);
  EXPECT_EQ(worldState().CurrentScene->actors[0]->busy, 1);
}

TEST_F(EventFlowTest, a_true_if_goes_on_at_the_targets_step_0_on_the_next_call) {
  startMap(eventSection(
      {eventText("3", {ifFlag("5 1 20"), kGameEnd}), eventText("20", {kHeroHold, kHeroRelease})}));
  worldState().EventFlags[5] = 1;
  startEvent(3);
  worldState().EventActor = 0;
  steps(1);
  EXPECT_EQ(worldState().CurrentEvent, 20);
  EXPECT_EQ(worldState().CurrentStep, 0);
  EXPECT_EQ(worldState().EventActor, 0);
  EXPECT_EQ(actorsState().Hero->busy, 0);
  steps(1);
  EXPECT_EQ(actorsState().Hero->busy, 1);
  EXPECT_EQ(worldState().CurrentStep, 1);
}

TEST_F(EventFlowTest, a_false_if_runs_the_next_step) {
  startMap(eventSection({eventText("3", {ifFlag("5 1 20"), kHeroHold})}));
  startEvent(3);
  steps(1);
  EXPECT_EQ(worldState().CurrentEvent, 3);
  EXPECT_EQ(worldState().CurrentStep, 1);
  steps(1);
  EXPECT_EQ(actorsState().Hero->busy, 1);
}

TEST_F(EventFlowTest, flags_are_set_and_tested_by_their_decimal_text) {
  startMap(eventSection(
      {eventText("3", {cmd(kFlag, "7 42"), ifFlag("07 42 9")}), eventText("9", {kHeroHold})}));
  startEvent(3);
  steps(1);
  EXPECT_EQ(worldState().EventFlags[7], 42);
  steps(1);
  EXPECT_EQ(worldState().CurrentEvent, 9);
}

TEST_F(EventFlowTest, out_of_range_flags_and_targets_are_steps_that_do_nothing) {
  startMap(eventSection({eventText("3", {cmd(kFlag, "100 1"), cmd(kFlag, "-1 1"), ifFlag("100 0 9"),
                                         ifFlag("5 0 101"), ifFlag("5 0 -2"), kHeroHold})}));
  const std::vector<int32_t> before(worldState().EventFlags, worldState().EventFlags + kFlagCount);
  startEvent(3);
  for (int s = 1; s <= 5; ++s) {
    steps(1);
    ASSERT_EQ(worldState().CurrentEvent, 3);
    ASSERT_EQ(worldState().CurrentStep, s);
  }
  EXPECT_EQ(std::vector<int32_t>(worldState().EventFlags, worldState().EventFlags + kFlagCount),
            before);
  steps(1);
  EXPECT_EQ(actorsState().Hero->busy, 1);
}

TEST_F(EventFlowTest, a_jump_to_event_0_stops_without_releasing) {
  startMap(eventSection({eventText("3", {kHeroHold, ifFlag("5 0 0"), kHeroRelease})}),
           {man("200.0")});
  startEvent(3);
  worldState().EventActor = 0;
  worldState().CurrentScene->actors[0]->busy = 1;
  steps(2);
  EXPECT_EQ(worldState().CurrentEvent, 0);
  EXPECT_EQ(worldState().CurrentStep, 0);
  steps(5);
  EXPECT_EQ(actorsState().Hero->busy, 1);
  EXPECT_EQ(worldState().CurrentScene->actors[0]->busy, 1);
}

TEST_F(EventFlowTest, nothing_runs_while_a_text_balloon_is_open) {
  startMap(eventSection({eventText("3", {textBlock("T", {"ab"}), kHeroHold})}));
  startEvent(3);
  steps(1);
  EXPECT_EQ(worldState().TextIndex, 0);
  EXPECT_EQ(worldState().TextTicker, 0);
  EXPECT_EQ(worldState().TextShown, 0);
  EXPECT_EQ(worldState().CurrentStep, 1);
  steps(10);
  EXPECT_EQ(worldState().CurrentStep, 1);
  EXPECT_EQ(actorsState().Hero->busy, 0);
  worldState().TextIndex = -1;
  steps(1);
  EXPECT_EQ(actorsState().Hero->busy, 1);
}

TEST_F(EventFlowTest, the_talk_key_closes_a_shown_balloon_and_the_next_step_runs_that_frame) {
  // Frame n reads the keys of read n - 1: Space is pressed in frames 2 and 12.
  useKeys("1 SPACE down\n2 SPACE up\n11 SPACE down\n");
  startMap(eventSection({eventText("99", {textBlock("T", {"ab"}), kHeroFaceRight})}));
  frames(2);
  // Opened in frame 1 and typed a byte a frame: the early press does nothing.
  EXPECT_EQ(worldState().TextIndex, 0);
  EXPECT_EQ(worldState().TextShown, 0);
  frames(1);
  EXPECT_EQ(worldState().TextShown, 1);
  frames(8);
  EXPECT_EQ(worldState().TextIndex, 0);
  EXPECT_EQ(actorsState().Hero->facing, 0);
  EXPECT_EQ(worldState().CurrentStep, 1);
  frames(1);
  EXPECT_EQ(worldState().TextIndex, -1);
  EXPECT_EQ(worldState().TextShown, 0);
  EXPECT_EQ(actorsState().Hero->facing, 1);
  EXPECT_EQ(worldState().CurrentStep, 2);
}

TEST_F(EventFlowTest, a_block_without_body_rows_can_be_closed) {
  useKeys("3 SPACE down\n");
  startMap(eventSection({eventText("99", {textBlock("T", {}), kHeroFaceRight})}));
  frames(1);
  EXPECT_EQ(worldState().TextShown, 1);
  frames(3);
  EXPECT_EQ(worldState().TextIndex, -1);
  EXPECT_EQ(actorsState().Hero->facing, 1);
}

TEST_F(EventFlowTest, after_a_warp_no_step_runs_and_the_warp_step_holds_the_destination) {
  startMap(eventSection({eventText("3", {cmd(kWarp, "town 600"), kHeroHold})}));
  startEvent(3);
  steps(1);
  EXPECT_EQ(worldState().WarpPending, 1);
  EXPECT_EQ(worldState().CurrentStep, 1);
  steps(5);
  EXPECT_EQ(worldState().CurrentStep, 1);
  EXPECT_EQ(actorsState().Hero->busy, 0);
  EXPECT_STREQ(eventTables().EventStr[worldState().CurrentEvent][worldState().CurrentStep - 1],
               "town");
  EXPECT_EQ(eventTables().EventArg1[worldState().CurrentEvent][worldState().CurrentStep - 1], 600);
}

TEST_F(EventFlowTest, the_game_end_goes_dark_and_is_reported_to_the_caller_alone) {
  startMap(eventSection({eventText("3", {kHeroHold, kGameEnd, kHeroRelease})}));
  display::displayState().Brightness = 100;
  startEvent(3);
  EXPECT_TRUE(runEventStep());
  EXPECT_EQ(display::displayState().Brightness, 100);
  EXPECT_FALSE(runEventStep());
  EXPECT_EQ(display::displayState().Brightness, 0);
  EXPECT_EQ(worldState().CurrentStep, 2);
  EXPECT_EQ(shell::shellState().GameRunning, 1);  // the frame loop's to clear
  // The end is told once; the step after it is an ordinary one.
  EXPECT_TRUE(runEventStep());
  EXPECT_EQ(actorsState().Hero->busy, 0);
  worldState().CurrentEvent = 0;
  EXPECT_TRUE(runEventStep());
}

TEST_F(EventFlowTest, the_frame_loop_stops_the_game_in_the_frame_of_the_game_end) {
  startMap(eventSection({eventText("99", {kHeroHold, kGameEnd})}));
  const uint64_t before = platform::presentedFrames();
  frames(1);
  EXPECT_EQ(shell::shellState().GameRunning, 1);
  frames(1);
  EXPECT_EQ(shell::shellState().GameRunning, 0);
  // The frame is finished and shown; the fade step has lit it again by 2.
  EXPECT_EQ(platform::presentedFrames(), before + 2);
  EXPECT_EQ(display::displayState().Brightness, 2);
}

TEST_F(EventFlowTest, unknown_opcodes_are_skipped_a_step_at_a_time) {
  startMap(eventSection({eventText("3", {kHeroHold, kHeroHold, kHeroHold, kHeroRelease})}));
  eventTables().EventOps[3][0] = 50;   // inside the range, made by no keyword
  eventTables().EventOps[3][1] = 201;  // outside it
  eventTables().EventOps[3][2] = -2;
  startEvent(3);
  steps(3);
  EXPECT_EQ(worldState().CurrentStep, 3);
  EXPECT_EQ(actorsState().Hero->busy, 0);
  actorsState().Hero->busy = 1;
  steps(1);
  EXPECT_EQ(actorsState().Hero->busy, 0);
}

TEST_F(EventFlowTest, a_row_full_to_its_last_step_ends_after_it) {
  startMap("0\r\n");
  std::fill(eventTables().EventOps[8], eventTables().EventOps[8] + kStepCount,
            int32_t(kOpHeroHold));
  startEvent(8);
  worldState().CurrentStep = 199;
  steps(1);
  EXPECT_EQ(worldState().CurrentStep, 200);
  EXPECT_EQ(actorsState().Hero->busy, 1);
  steps(1);
  EXPECT_EQ(worldState().CurrentEvent, 0);
  EXPECT_EQ(actorsState().Hero->busy, 0);
}

TEST_F(EventFlowTest, the_visual_step_fades_down_clears_the_view_and_fades_back_from_2) {
  startMap(eventSection({eventText("3", {cmd(kVisual, "intro"), kHeroHold})}));
  display::displayState().Brightness = 100;
  startEvent(3);
  const uint64_t before = platform::presentedFrames();
  steps(1);
  EXPECT_EQ(platform::presentedFrames(), before + 1);
  EXPECT_EQ(display::displayState().Brightness, 2);
  EXPECT_EQ(worldState().CurrentStep, 1);
  // The scene's end reloads the game palette at full strength (entry 200 is (200, 55, 100));
  // the frame loop's next fade step takes it from there. "intro" does not exist: its box shows.
  EXPECT_EQ(display::displayState().WorkingPalette[200].red, 200);
  ASSERT_FALSE(platform::shownMessages().empty());
  EXPECT_EQ(platform::shownMessages().back().title, "..");
  steps(1);
  EXPECT_EQ(actorsState().Hero->busy, 1);
}

}  // namespace
