// actor_test.cpp -- one-frame actions: the walk cycle, the map's edges, poses, busy characters,
// trampling
#include "actors/actor.h"

#include <vector>

#include "actors/actors_state.h"
#include "actors/snowfall.h"
#include "support/engine_fixture.h"
#include "support/test_maps.h"
#include "world/event_tables.h"

namespace {

using namespace testing_support;
using actors::Actor;

class ActorTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    writeHeroPack();
    ASSERT_EQ(hero_.sprites->load("CHAR1"), gfx::PackLoad::kLoaded);
    std::fill(actors::actorsState().SnowDepth,
              actors::actorsState().SnowDepth + actors::kPileColumns, 3);
  }
  // The frames shown by n actions in a row.
  std::vector<int> framesOf(int action, int n) {
    std::vector<int> frames;
    for (int i = 0; i < n; ++i) {
      hero_.act(action);
      frames.push_back(hero_.frame);
    }
    return frames;
  }
  static std::vector<int> runs(std::initializer_list<std::pair<int, int>> parts) {
    std::vector<int> v;
    for (auto [frame, count] : parts) v.insert(v.end(), size_t(count), frame);
    return v;
  }
  Actor hero_;
};

TEST_F(ActorTest, walk_from_standing_shows_the_first_phase_9_frames) {
  hero_.x = 300.0f;
  EXPECT_EQ(framesOf(actors::kActWalkLeft, 69),
            runs({{1, 9}, {2, 10}, {0, 10}, {3, 10}, {4, 10}, {0, 10}, {1, 10}}));
  EXPECT_EQ(hero_.facing, 0);
  EXPECT_EQ(hero_.motion, actors::kWalking);
  hero_.act(actors::kActStand);
  EXPECT_EQ(hero_.walkTick, 0);
  EXPECT_EQ(hero_.frame, 0);
  EXPECT_EQ(framesOf(actors::kActWalkRight, 59),
            runs({{6, 9}, {7, 10}, {5, 10}, {8, 10}, {9, 10}, {5, 10}}));
  EXPECT_EQ(hero_.facing, 1);
  hero_.act(actors::kActStand);
  EXPECT_EQ(hero_.frame, 5);
  EXPECT_EQ(hero_.motion, actors::kStanding);
}

TEST_F(ActorTest, a_cycle_covers_78_pixels_at_the_default_speed) {
  hero_.x = 100.0f;
  framesOf(actors::kActWalkRight, 60);
  EXPECT_NEAR(hero_.x, 178.0f, 0.001f);
  EXPECT_EQ(hero_.walkTick, 0);
}

TEST_F(ActorTest, left_edge_stops_one_step_past_0_and_starts_event_97) {
  hero_.x = 0.5f;
  world::worldState().CurrentEvent = 5;
  world::worldState().CurrentStep = 3;
  hero_.act(actors::kActWalkLeft);
  EXPECT_FLOAT_EQ(hero_.x, 0.5f - 1.3f);
  EXPECT_EQ(world::worldState().CurrentEvent, 5);
  hero_.act(actors::kActWalkLeft);
  EXPECT_FLOAT_EQ(hero_.x, 0.5f - 1.3f);
  EXPECT_EQ(hero_.frame, 0);
  EXPECT_EQ(hero_.motion, actors::kStanding);
  EXPECT_EQ(world::worldState().CurrentEvent, world::EDGE_EVENT_LEFT);
  EXPECT_EQ(world::worldState().CurrentStep, 3);
}

TEST_F(ActorTest, right_edge_uses_the_width_of_the_frame_shown) {
  hero_.x = 1240.0f;  // 1240 + 40 is not beyond 1280
  hero_.facing = 1;
  hero_.act(actors::kActWalkRight);
  EXPECT_FLOAT_EQ(hero_.x, 1241.3f);
  hero_.act(actors::kActWalkRight);
  EXPECT_FLOAT_EQ(hero_.x, 1241.3f);
  EXPECT_EQ(hero_.frame, 5);
  EXPECT_EQ(world::worldState().CurrentEvent, world::EDGE_EVENT_RIGHT);
  // Without frames (a pack that did not load) only x itself counts.
  Actor bare;
  bare.x = 1279.5f;
  bare.act(actors::kActWalkRight);
  EXPECT_FLOAT_EQ(bare.x, 1280.8f);
  world::worldState().CurrentEvent = 0;
  bare.act(actors::kActWalkRight);
  EXPECT_EQ(world::worldState().CurrentEvent, world::EDGE_EVENT_RIGHT);
}

TEST_F(ActorTest, poses_stay_until_the_character_walks) {
  hero_.x = 300.0f;
  hero_.act(actors::kActLookDown);
  EXPECT_EQ(hero_.frame, 10);
  hero_.act(actors::kActStand);
  EXPECT_EQ(hero_.frame, 10);
  hero_.act(actors::kActLookUp);
  EXPECT_EQ(hero_.frame, 11);
  hero_.act(actors::kActWalkLeft);
  EXPECT_EQ(hero_.frame, 1);
}

TEST_F(ActorTest, busy_characters_stand_but_pose) {
  hero_.x = 300.0f;
  hero_.busy = 1;
  hero_.act(actors::kActWalkRight);
  EXPECT_FLOAT_EQ(hero_.x, 300.0f);
  EXPECT_EQ(hero_.motion, actors::kStanding);
  hero_.act(actors::kActWalkLeft);
  EXPECT_FLOAT_EQ(hero_.x, 300.0f);
  hero_.act(actors::kActLookDown);
  EXPECT_EQ(hero_.frame, 10);
  hero_.act(actors::kActLookUp);
  EXPECT_EQ(hero_.frame, 11);
}

TEST_F(ActorTest, every_action_treads_the_snow_except_for_touch_triggers) {
  hero_.x = 100.0f;
  hero_.act(7);  // no such action: it only treads the snow
  for (int c = 105; c < 135; ++c)
    EXPECT_EQ(actors::actorsState().SnowDepth[c], c >= 110 && c <= 129 ? 1 : 3) << c;
  EXPECT_EQ(hero_.frame, 0);
  Actor touch;
  touch.mode = actors::kModeTouch;
  touch.x = 500.0f;
  touch.act(actors::kActStand);
  EXPECT_EQ(actors::actorsState().SnowDepth[515], 3);
}

TEST_F(ActorTest, treading_at_the_map_edges) {
  actors::trampleSnow(-0.5f);  // truncated toward zero: 0
  EXPECT_EQ(actors::actorsState().SnowDepth[9], 3);
  EXPECT_EQ(actors::actorsState().SnowDepth[10], 1);
  EXPECT_EQ(actors::actorsState().SnowDepth[29], 1);
  EXPECT_EQ(actors::actorsState().SnowDepth[30], 3);
  actors::trampleSnow(1260.0f);
  EXPECT_EQ(actors::actorsState().SnowDepth[1269], 3);
  EXPECT_EQ(actors::actorsState().SnowDepth[1270], 1);
  EXPECT_EQ(actors::actorsState().SnowDepth[1279], 1);
  actors::trampleSnow(-40.0f);
  actors::trampleSnow(5000.0f);
  EXPECT_EQ(actors::actorsState().SnowDepth[0], 3);
}

}  // namespace
