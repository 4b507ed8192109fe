// tracer_test.cpp -- the overlay's lines: where the hero and camera are, the running step, the
// flags
#include "shell/tracer.h"

#include <cstring>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "shell/shell_state.h"
#include "support/engine_fixture.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using TracerTest = testing_support::EngineTest;

TEST_F(TracerTest, overlay_names_map_hero_camera_step_and_the_flags_set_in_lines_that_fit) {
  std::strcpy(shell::shellState().MapName, "20");
  actors::actorsState().Hero = std::make_unique<actors::Actor>();
  actors::actorsState().Hero->x = 612.5f;
  auto& w = world::worldState();
  w.CurrentScene = std::make_unique<world::Scene>();
  w.CurrentScene->cameraX = 450;
  EXPECT_EQ(shell::overlayLines(),
            (std::vector<std::string>{"map 20  x 612.5  camera 450", "no event", "flags none"}));
  w.CurrentEvent = 99;
  w.CurrentStep = 4;
  for (int f = 90; f < 100; ++f) w.EventFlags[f] = f - 100;
  w.EventFlags[3] = 1;
  EXPECT_EQ(shell::overlayLines(),
            (std::vector<std::string>{"map 20  x 612.5  camera 450", "event 99  step 4",
                                      "flags 3=1 90=-10 91=-9 92=-8 93=-7 94=-6",
                                      "      95=-5 96=-4 97=-3 98=-2 99=-1"}));
}

}  // namespace
