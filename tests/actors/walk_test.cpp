// walk_test.cpp -- the frame loop with the world in it: walking, the camera, talking, drawing order
#include <cstring>
#include <string>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/common_resources.h"
#include "display/display_state.h"
#include "display/pixel_page.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "platform/keyboard.h"
#include "shell/scene_cycle.h"
#include "shell/shell_state.h"
#include "support/engine_fixture.h"
#include "support/test_events.h"
#include "support/test_maps.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using world::worldState;
using namespace testing_support;
using actors::actorsState;

class WalkTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
    writeHeroPack();
    writeSolidPack("MAN", 10, 40, 30, 60);
    writeMapPicture("w");
    writeFarPicture();
    writeFile("grim/bar.res", std::string(20160, '\x09'));
  }
  // Loads the map as the scene cycle does, with the entry event already over.
  void start(const std::vector<TestActor>& actors, const std::string& keys,
             const std::string& events = "0\r\n") {
    writeFile("map/w.if", mapText("w", "caption", actors, events));
    writeFile("in.keys", keys);
    std::string error;
    ASSERT_TRUE(platform::useKeyScript("in.keys", error)) << error;
    actors::loadCommonResources();
    std::strcpy(shell::shellState().MapName, "w");
    shell::beginScene();
    world::worldState().CurrentEvent = 0;
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) ASSERT_TRUE(shell::runFrame());
  }
  static int pixel(int x, int y) { return display::displayState().APAGE->row(y)[x]; }
};

TEST_F(WalkTest, hero_walks_right_and_the_camera_follows_from_x_141) {
  start({}, "0 RIGHT down\n");
  frames(100);
  EXPECT_NEAR(actorsState().Hero->x, 140.0f, 0.01f);
  EXPECT_EQ(actorsState().Hero->walkTick, 40);
  EXPECT_EQ(actorsState().Hero->frame, 9);
  EXPECT_EQ(worldState().CurrentScene->cameraX, 0);
  frames(1);  // x 141.3: the target passes 0 and the camera takes its first step
  EXPECT_EQ(worldState().CurrentScene->cameraX, 1);
  // From then on the camera gains 1 a frame until the hero is 50 ahead, then 2.
  int previous = 1;
  for (int i = 0; i < 300; ++i) {
    frames(1);
    const int step = worldState().CurrentScene->cameraX - previous;
    const int lag = int(actorsState().Hero->x) - 140 - previous;
    ASSERT_EQ(step, lag > 50 ? 2 : 1) << "frame " << 102 + i;
    ASSERT_EQ(gfx::gfxState().FarLayer->scrollX, worldState().CurrentScene->cameraX / 2);
    previous = worldState().CurrentScene->cameraX;
  }
  // The hero is drawn at its map x less the camera, its feet on row 287.
  const int column = int(actorsState().Hero->x) - worldState().CurrentScene->cameraX + 128 + 20;
  int heroPixels = 0;
  for (int y = 238; y < 288; ++y) heroPixels += pixel(column, y) == 100 + actorsState().Hero->frame;
  EXPECT_GE(heroPixels, 45);
  // The status bar covers rows 305 to 367 of the view.
  for (int y = 305; y < 368; y += 9) ASSERT_EQ(pixel(300, y), 9) << y;
}

TEST_F(WalkTest, hero_stops_one_step_past_the_left_end_with_event_97) {
  // The map's event 97 waits for the talk key, so it is still running when looked at.
  start({}, "0 LEFT down\n", eventSection({waitingEvent(97)}));
  frames(8);  // from x 10 to 10 - 8 x 1.3 = -0.4
  EXPECT_EQ(world::worldState().CurrentEvent, 0);
  frames(1);  // below 0: the stop
  EXPECT_EQ(world::worldState().CurrentEvent, world::EDGE_EVENT_LEFT);
  EXPECT_LT(actorsState().Hero->x, 0.0f);
  EXPECT_GT(actorsState().Hero->x, -1.3f);
  EXPECT_EQ(actorsState().Hero->motion, actors::kStanding);
}

TEST_F(WalkTest, the_right_end_keeps_the_camera_at_960) {
  start({}, "0 NUMPAD6 down\n", eventSection({waitingEvent(98)}));
  for (int i = 0; i < 1200 && world::worldState().CurrentEvent == 0; ++i) {
    frames(1);
    ASSERT_LE(worldState().CurrentScene->cameraX, 960);
  }
  EXPECT_EQ(world::worldState().CurrentEvent, world::EDGE_EVENT_RIGHT);
  EXPECT_GT(actorsState().Hero->x + 40.0f, 1280.0f);
  EXPECT_LT(actorsState().Hero->x + 40.0f, 1281.3f);
  // Event 98 now waits: the hero stands while the camera settles.
  frames(200);
  EXPECT_EQ(worldState().CurrentScene->cameraX, 960);
  EXPECT_EQ(gfx::gfxState().FarLayer->scrollX, 480);
  EXPECT_EQ(actorsState().Hero->motion, actors::kStanding);
}

TEST_F(WalkTest, left_wins_when_both_are_held) {
  start({}, "0 NUMPAD4 down\n0 RIGHT down\n");
  const float x0 = actorsState().Hero->x;
  frames(3);
  EXPECT_LT(actorsState().Hero->x, x0);
  EXPECT_EQ(actorsState().Hero->facing, 0);
}

TEST_F(WalkTest, space_starts_the_talk_with_the_actor_in_reach) {
  TestActor man;
  man.x = "72.0";  // the probe from x 10 facing right is 70 to 75
  man.eventNumber = 7;
  man.steps = {std::string(kSpeakWord) + " hello", std::string(kStandWord) + " 0"};
  start({man}, "0 RIGHT down\n1 RIGHT up\n5 SPACE down\n", eventSection({waitingEvent(7)}));
  frames(5);
  const actors::Actor& a = *worldState().CurrentScene->actors[0];
  EXPECT_EQ(a.speechTimer, 60);
  EXPECT_EQ(world::worldState().CurrentEvent, 0);
  frames(1);
  EXPECT_EQ(world::worldState().CurrentEvent, 7);
  EXPECT_EQ(world::worldState().EventActor, 0);
  EXPECT_EQ(actorsState().Hero->busy, 1);
  EXPECT_EQ(a.busy, 1);
  EXPECT_EQ(a.speechTimer, 0);
  EXPECT_EQ(a.facing, 0);  // it turned to the hero on its left
}

TEST_F(WalkTest, map_actors_follow_their_lists_while_the_hero_stands) {
  TestActor walker;
  walker.x = "200.0";
  walker.steps = {std::string(kGoRightWord) + " 10", std::string(kGoLeftWord) + " 10"};
  start({walker}, "");
  frames(10);
  EXPECT_NEAR(worldState().CurrentScene->actors[0]->x, 213.0f, 0.001f);
  frames(10);
  EXPECT_NEAR(worldState().CurrentScene->actors[0]->x, 200.0f, 0.001f);
  EXPECT_FLOAT_EQ(actorsState().Hero->x, 10.0f);
}

}  // namespace
