// lost_surfaces_test.cpp -- every surface lost during a fade, a balloon and a cut-scene: no
// message, and two frames later the screen and the state are those of a run without the loss
#include "faults/fault_fixture.h"
#include "faults/fault_world.h"
#include "support/engine_fixture.h"

namespace faults {
namespace {

using testing_support::readFile;

using LostSurfaces = FaultTest;

TEST_F(LostSurfaces, are_recovered_in_a_fade_a_balloon_and_a_cut_scene) {
  for (const int at : {kInFade, kInBalloon, kInCutScene}) {
    SCOPED_TRACE(at);
    const std::string next = std::to_string(at + 1), after = std::to_string(at + 2),
                      end = std::to_string(at + 10);
    const GameRun clean = runHeadless(
        {"--frames", end, "--shot", next + ":clean1.png", "--shot", after + ":clean.png"});
    const GameRun lost = runHeadless({"--frames", end, "--shot", next + ":lost1.png", "--shot",
                                      after + ":lost.png", "--lose-surfaces", std::to_string(at)});
    EXPECT_EQ(lost.status, 0);
    EXPECT_EQ(lost.errors, "");
    EXPECT_EQ(lost.dump, clean.dump);
    const std::string picture = readFile("lost.png");
    EXPECT_FALSE(picture.empty());
    // The frame after the loss shows what the lost memory held; the one after it is whole.
    EXPECT_FALSE(readFile("lost1.png") == readFile("clean1.png")) << "the loss was not seen";
    EXPECT_TRUE(picture == readFile("clean.png")) << "the screen two frames after the loss";
  }
}

}  // namespace
}  // namespace faults
