// camera_test.cpp -- the camera's approach and limits, the span test and the talk probe's reach
#include "actors/camera.h"

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/talk.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "support/engine_fixture.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using actors::Actor;

class CameraTest : public testing_support::EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    actors::actorsState().Hero = std::move(heroOwner_);
    world::worldState().CurrentScene = std::move(sceneOwner_);
    gfx::gfxState().FarLayer = std::make_unique<gfx::BackgroundLayer>();
    far_ = gfx::gfxState().FarLayer.get();
  }
  void TearDown() override {
    actors::actorsState().Hero.reset();
    sceneOwner_ = std::move(world::worldState().CurrentScene);
    gfx::gfxState().FarLayer = nullptr;
    EngineTest::TearDown();
  }
  Actor& addActor(float x, int eventNumber, int mode = actors::kModeTalk) {
    const int i = scene_.actorCount++;
    scene_.actors[i] = std::make_unique<Actor>();
    scene_.actors[i]->x = x;
    scene_.actors[i]->eventNumber = eventNumber;
    scene_.actors[i]->mode = mode;
    return *scene_.actors[i];
  }
  // Made with the fixture and handed to the game in SetUp; hero_ names it throughout.
  std::unique_ptr<Actor> heroOwner_ = std::make_unique<Actor>();
  Actor& hero_ = *heroOwner_;
  // Lent to the game while a test needs it as the running map.
  std::unique_ptr<world::Scene> sceneOwner_ = std::make_unique<world::Scene>();
  world::Scene& scene_ = *sceneOwner_;
  gfx::BackgroundLayer* far_ = nullptr;  // the game's far layer
};

TEST_F(CameraTest, moves_by_2_while_far_then_by_1) {
  scene_.cameraX = 300;
  hero_.x = 500.0f;  // target 360
  std::vector<int> seen;
  for (int i = 0; i < 60; ++i) {
    actors::updateCamera();
    seen.push_back(scene_.cameraX);
  }
  const std::vector<int> start(seen.begin(), seen.begin() + 6);
  EXPECT_EQ(start, (std::vector<int>{302, 304, 306, 308, 310, 311}));
  EXPECT_EQ(seen[54], 360);  // 310 + 50 frames of 1
  EXPECT_EQ(seen[53], 359);
  EXPECT_EQ(seen[59], 360);
  EXPECT_EQ(far_->scrollX, 180);
  hero_.x = 300.0f;  // target 160: back by 2
  actors::updateCamera();
  EXPECT_EQ(scene_.cameraX, 358);
}

TEST_F(CameraTest, stays_within_0_and_960_and_halves_for_the_far_layer) {
  hero_.x = 10.0f;
  actors::updateCamera();
  EXPECT_EQ(scene_.cameraX, 0);
  hero_.x = 1250.0f;  // target 1110
  scene_.cameraX = 959;
  for (int i = 0; i < 10; ++i) actors::updateCamera();
  EXPECT_EQ(scene_.cameraX, 960);
  EXPECT_EQ(far_->scrollX, 480);
  scene_.cameraX = 100;
  hero_.x = 241.9f;  // target 101
  actors::updateCamera();
  EXPECT_EQ(scene_.cameraX, 101);
  EXPECT_EQ(far_->scrollX, 50);
}

TEST(SpansOverlap, closed_spans_in_either_order) {
  EXPECT_EQ(actors::spansOverlap(5, 1, 5, 9), 1);
  EXPECT_EQ(actors::spansOverlap(1, 4, 5, 9), 0);
  EXPECT_EQ(actors::spansOverlap(9, 5, 1, 5), 1);
  EXPECT_EQ(actors::spansOverlap(10, 12, 5, 9), 0);
  EXPECT_EQ(actors::spansOverlap(3, 3, 9, 1), 1);
}

TEST_F(CameraTest, talk_probe_reaches_5_pixels_past_its_near_end) {
  hero_.x = 100.0f;
  hero_.facing = 1;  // probe 160 to 165
  addActor(166.0f, 3);
  EXPECT_EQ(actors::findTalkPartner(hero_), -1);
  addActor(160.0f, 4);
  EXPECT_EQ(actors::findTalkPartner(hero_), 1);
  hero_.facing = 0;  // probe 75 to 80
  EXPECT_EQ(actors::findTalkPartner(hero_), -1);
  addActor(30.0f, 5);
  EXPECT_EQ(actors::findTalkPartner(hero_), -1);
  addActor(35.0f, 6);
  EXPECT_EQ(actors::findTalkPartner(hero_), 3);
}

TEST_F(CameraTest, talk_skips_actors_without_event_or_not_talkable) {
  hero_.x = 100.0f;
  hero_.facing = 1;
  addActor(160.0f, 0);
  addActor(161.0f, 7, actors::kModeTouch);
  addActor(162.0f, 7, 1);
  EXPECT_EQ(actors::findTalkPartner(hero_), -1);
  addActor(163.0f, 8);
  addActor(164.0f, 9);
  EXPECT_EQ(actors::findTalkPartner(hero_), 3);  // the first in slot order
}

TEST_F(CameraTest, starting_a_talk_holds_both_and_turns_the_actor) {
  hero_.x = 100.0f;
  Actor& right = addActor(160.0f, 8);
  right.speechTimer = 40;
  actors::startTalk(hero_, 0);
  EXPECT_EQ(hero_.busy, 1);
  EXPECT_EQ(right.busy, 1);
  EXPECT_EQ(right.speechTimer, 0);
  EXPECT_EQ(right.facing, 0);       // it stands right of the hero: it turns left
  EXPECT_EQ(right.eventNumber, 8);  // can be talked to again after the event
  EXPECT_EQ(world::worldState().EventActor, 0);
  EXPECT_EQ(world::worldState().CurrentEvent, 8);
  Actor& same = addActor(100.0f, 9);
  actors::startTalk(hero_, 1);
  EXPECT_EQ(same.facing, 1);
}

}  // namespace
