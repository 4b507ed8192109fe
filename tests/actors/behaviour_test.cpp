// behaviour_test.cpp -- map actors' behaviour lists, speech timing and drawing, and the touch
// trigger
#include <cstring>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/snowfall.h"
#include "display/display_state.h"
#include "display/pixel_page.h"
#include "support/engine_fixture.h"
#include "support/test_maps.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using namespace testing_support;
using actors::Actor;

class BehaviourTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
    writeSolidPack("MAN", 6, 60, 40, 60);
    writeHeroPack();
    ASSERT_EQ(actor_.sprites->load("MAN"), gfx::PackLoad::kLoaded);
    ASSERT_EQ(hero_.sprites->load("CHAR1"), gfx::PackLoad::kLoaded);
    actor_.x = 600.0f;
    hero_.x = 10.0f;
    actors::actorsState().Hero = std::move(heroOwner_);
    world::worldState().CurrentScene = std::move(sceneOwner_);
    world::worldState().WalkCounter = -1;
  }
  void TearDown() override {
    actors::actorsState().Hero.reset();
    sceneOwner_ = std::move(world::worldState().CurrentScene);
    EngineTest::TearDown();
  }
  void steps(std::initializer_list<std::pair<int, int>> list) {
    int i = 0;
    for (auto [code, param] : list) {
      actor_.stepCodes[i] = code;
      actor_.stepParams[i++] = param;
    }
  }
  Actor actor_;
  // Made with the fixture and handed to the game in SetUp; hero_ names it throughout.
  std::unique_ptr<Actor> heroOwner_ = std::make_unique<Actor>();
  Actor& hero_ = *heroOwner_;
  // Lent to the game while a test needs it as the running map.
  std::unique_ptr<world::Scene> sceneOwner_ = std::make_unique<world::Scene>();
  world::Scene& scene_ = *sceneOwner_;
};

TEST_F(BehaviourTest, stand_0_stands_for_ever) {
  steps({{actors::kStepStand, 0}});
  actor_.frame = 3;
  actor_.facing = 1;
  for (int i = 0; i < 500; ++i) actor_.update();
  EXPECT_EQ(actor_.stepIndex, 0);
  EXPECT_EQ(actor_.stepTimer, 0);
  EXPECT_EQ(actor_.frame, 5);
}

TEST_F(BehaviourTest, picture_shows_its_frame_40_frames_then_the_list_goes_on) {
  steps({{actors::kStepPicture, 3}, {actors::kStepStand, 20}});
  std::vector<int> frames;
  for (int i = 0; i < 120; ++i) {
    actor_.update();
    frames.push_back(actor_.frame);
  }
  for (int i = 0; i < 120; ++i) {
    const int t = i % 60;
    ASSERT_EQ(frames[size_t(i)], t < 40 ? 3 : 0) << "frame " << i;
  }
}

TEST_F(BehaviourTest, walks_for_their_frames_then_turn_back_at_the_end_of_the_list) {
  steps({{actors::kStepWalkLeft, 30}, {actors::kStepWalkRight, 30}});
  for (int i = 0; i < 30; ++i) actor_.update();
  EXPECT_NEAR(actor_.x, 600.0f - 39.0f, 0.001f);
  EXPECT_EQ(actor_.stepIndex, 1);
  for (int i = 0; i < 30; ++i) actor_.update();
  EXPECT_NEAR(actor_.x, 600.0f, 0.001f);
  EXPECT_EQ(actor_.stepIndex, 0);
  EXPECT_EQ(actor_.facing, 1);
}

TEST_F(BehaviourTest, an_unknown_slot_sends_the_list_back_to_its_start) {
  steps({{actors::kStepStand, 2}, {actors::kStepEnd, 0}, {actors::kStepWalkLeft, 5}});
  for (int i = 0; i < 10; ++i) actor_.update();
  EXPECT_FLOAT_EQ(actor_.x, 600.0f);
  EXPECT_EQ(actor_.stepIndex, 0);
}

TEST_F(BehaviourTest, an_empty_list_leaves_the_actor_alone) {
  actor_.frame = 4;
  actors::actorsState().SnowDepth[620] = 3;
  for (int i = 0; i < 10; ++i) actor_.update();
  EXPECT_EQ(actor_.frame, 4);
  EXPECT_EQ(actors::actorsState().SnowDepth[620], 3);
}

TEST_F(BehaviourTest, speech_shows_in_the_first_59_of_every_100_frames) {
  steps({{actors::kStepSpeak, 1}, {actors::kStepStand, 100}});
  int shown = 0;
  for (int i = 0; i < 300; ++i) {
    actor_.update();
    const bool on = actor_.speechTimer > 0;
    ASSERT_EQ(on, i % 100 < 59) << "frame " << i;
    shown += on;
  }
  EXPECT_EQ(shown, 3 * 59);
}

TEST_F(BehaviourTest, speech_stays_while_a_step_never_ends_or_the_actor_is_busy) {
  steps({{actors::kStepSpeak, 1}, {actors::kStepStand, 0}});
  for (int i = 0; i < 200; ++i) actor_.update();
  EXPECT_EQ(actor_.speechTimer, 60);
  actor_.busy = 1;
  actor_.x = 600.0f;
  actor_.frame = 2;
  for (int i = 0; i < 5; ++i) actor_.update();
  EXPECT_EQ(actor_.speechTimer, 60);
  EXPECT_EQ(actor_.frame, 0);  // a busy actor stands
  // During a scripted walk the interpreter moves it; update leaves it be.
  world::worldState().WalkCounter = 3;
  actor_.frame = 2;
  actor_.update();
  EXPECT_EQ(actor_.frame, 2);
}

TEST_F(BehaviourTest, removed_actors_do_nothing) {
  steps({{actors::kStepWalkLeft, 0}});
  actor_.motion = actors::kRemoved;
  actor_.update();
  EXPECT_FLOAT_EQ(actor_.x, 600.0f);
}

TEST_F(BehaviourTest, speech_line_is_outlined_above_the_sprite) {
  for (int y = 0; y < display::kPageHeight; ++y)
    for (int x = 0; x < display::kPageWidth; ++x) display::displayState().APAGE->PutPixel(x, y, 7);
  std::strcpy(actor_.speech, "A");
  actor_.x = 100.0f;
  actor_.speechTimer = 5;
  actor_.draw();
  // Sprite top at 288 - 40; the text's top at 243, starting at page column 100 + 108.
  // 'A' of the test font inks columns 1 and 7 of every row.
  EXPECT_EQ(display::displayState().APAGE->row(250)[209], 192);
  EXPECT_EQ(display::displayState().APAGE->row(250)[215], 192);
  EXPECT_EQ(display::displayState().APAGE->row(250)[208], 200);  // the copy one pixel left
  EXPECT_EQ(display::displayState().APAGE->row(250)[210], 200);  // the copy one pixel right
  EXPECT_EQ(display::displayState().APAGE->row(242)[209], 200);  // the copy one row up
  EXPECT_EQ(display::displayState().APAGE->row(259)[209], 200);  // the copy one row down
  EXPECT_EQ(display::displayState().APAGE->row(250)[211], 7);
  EXPECT_EQ(display::displayState().APAGE->row(260)[228], 60);  // the sprite
  // At the view's left edge (d = 0) and with the timer at 0 no line is drawn.
  for (int y = 0; y < display::kPageHeight; ++y)
    for (int x = 0; x < display::kPageWidth; ++x) display::displayState().APAGE->PutPixel(x, y, 7);
  scene_.cameraX = 100;
  actor_.draw();
  EXPECT_EQ(display::displayState().APAGE->row(250)[109], 7);
  scene_.cameraX = 0;
  actor_.speechTimer = 0;
  actor_.draw();
  EXPECT_EQ(display::displayState().APAGE->row(250)[209], 7);
}

class TouchTest : public BehaviourTest {
 protected:
  void SetUp() override {
    BehaviourTest::SetUp();
    actor_.mode = actors::kModeTouch;
    actor_.x = 100.0f;  // 60 wide; the hero is 40 wide
    actor_.eventNumber = 12;
    actor_.speechTimer = 30;
    steps({{actors::kStepStand, 0}});
    world::worldState().CurrentEvent = 0;
    world::worldState().EventActor = 4;
    world::worldState().CurrentStep = 6;
  }
  // Frame 3 each time: the actor's own list stands it (frame 0) when the trigger stays quiet.
  bool firesWithHeroAt(float x) {
    actor_.frame = 3;
    hero_.x = x;
    actor_.update();
    return world::worldState().CurrentEvent == 12;
  }
};

TEST_F(TouchTest, fires_once_when_the_hero_is_inside_the_span) {
  EXPECT_FALSE(firesWithHeroAt(90.9f));
  EXPECT_FALSE(firesWithHeroAt(130.0f));
  EXPECT_TRUE(firesWithHeroAt(91.0f));
  EXPECT_EQ(world::worldState().CurrentStep, 0);
  EXPECT_EQ(world::worldState().EventActor, -1);
  EXPECT_EQ(actor_.speechTimer, 0);
  EXPECT_EQ(actor_.eventNumber, 0);
  EXPECT_EQ(actor_.frame, 3);  // the frame of the trigger does nothing else
  world::worldState().CurrentEvent = 0;
  EXPECT_FALSE(firesWithHeroAt(110.0f));
}

TEST_F(TouchTest, fires_at_both_ends_of_the_window_and_not_during_an_event) {
  for (float x : {91.0f, 129.9f}) {
    actor_.eventNumber = 12;
    world::worldState().CurrentEvent = 0;
    EXPECT_TRUE(firesWithHeroAt(x)) << x;
  }
  actor_.eventNumber = 12;
  world::worldState().CurrentEvent = 3;
  hero_.x = 110.0f;
  actor_.update();
  EXPECT_EQ(world::worldState().CurrentEvent, 3);
  EXPECT_EQ(actor_.eventNumber, 12);
}

}  // namespace
