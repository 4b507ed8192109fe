// walkthrough_test.cpp -- the demo story played from start to end by its committed key script
#include <string>

#include "support/game_run.h"
#include "support/state_dump.h"

using testing_support::dumpFlags;
using testing_support::dumpValue;

namespace {

// The entry event of every demo map sets its own "visited" flag.
struct VisitedFlag {
  const char* map;
  int flag;
};
constexpr VisitedFlag kMaps[] = {{"20", 90}, {"21", 91}, {"24", 92},
                                 {"35", 93}, {"37", 94}, {"42", 95}};
constexpr int kLanternLit = 40;

class DemoWalkthrough : public testing_support::TempFolderTest {
 protected:
  // Plays the committed walkthrough on the built data folder; returns the dump of a clean run.
  std::string play() {
    return testing_support::dumpOfCleanRun(
        PELMO_DATA_DIR,
        {"--headless", "--seed", "1", "--input", PELMO_SOURCE_DIR "/content/walkthrough.keys"},
        (dir_ / "end.json").string());
  }
};

TEST_F(DemoWalkthrough, the_story_is_played_through_every_map_to_its_end) {
  const std::string dump = play();
  ASSERT_FALSE(dump.empty());
  const std::vector<int> flags = dumpFlags(dump);
  ASSERT_EQ(flags.size(), 100u);
  for (const auto& m : kMaps)
    EXPECT_EQ(flags[size_t(m.flag)], 1) << "map " << m.map << " was never reached";
  EXPECT_EQ(flags[kLanternLit], 1) << "the lantern was not lit";
  // The game-end command stopped the loop on the last map, and no message box was
  // ever shown.
  EXPECT_EQ(dumpValue(dump, "gameRunning"), "0");
  EXPECT_EQ(dumpValue(dump, "mapName"), "\"42\"");
  EXPECT_EQ(dumpValue(dump, "messages"), "[]");
  // Every file of the demo loads whole: no warning, so no warnings key.
  EXPECT_EQ(dump.find("\"warnings\""), std::string::npos);
}

// Two runs of the same walkthrough give the same end, byte for byte.
TEST_F(DemoWalkthrough, replays_are_identical) {
  const std::string first = play();
  const std::string second = play();
  EXPECT_EQ(first, second);
}

}  // namespace
