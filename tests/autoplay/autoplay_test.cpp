// autoplay_test.cpp -- autoplay through a two-map world: a sign, a two-page talk that sets a
// flag, the right edge that warps only with the flag, a cut-scene waiting for a key, a touch
// trigger on the way, and a talk that ends the game; the recorded keys replayed by `game`;
// plans that fail name their line
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "common/data_formats.h"
#include "support/game_run.h"
#include "support/test_events.h"
#include "support/test_maps.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using namespace testing_support::words;

const std::string kKeyWait = "#\xC5\xB0\xC0\xD4\xB7\xC2";  // #키입력
const std::string kScriptEnd = "#\xB3\xA1";                // #끝

// Map "20": the entry event shows a sign; Kim at x 300 talks two pages and sets flag 3;
// the right edge warps to map "30" at x 40 only when flag 3 is 1. Map "30": the entry
// event plays a cut-scene that waits for a key, then Lee's welcome; a bell at x 200 rings
// (flag 4) when the hero walks into it; Lee at x 400 ends the game.
const char* const kWholePlan =
    "# the whole test world\n"
    "wait-event               # the sign\n"
    "walk-to 250\n"
    "face left\n"
    "face right\n"
    "talk                     # two pages from Kim\n"
    "expect-flag 3 1\n"
    "walk-right-until-map 30\n"
    "wait-event               # the cut-scene and the welcome\n"
    "walk-to 350              # the bell rings on the way\n"
    "expect-flag 4 1\n"
    "talk                     # Lee ends the game\n"
    "expect-map 30\n";

class Autoplay : public GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    writeWorld();
  }

  static void writeWorld() {
    writeStageData("village");
    writeFile("grim/pic.res", std::string(common::kCutScenePictureBytes, '\x07'));
    writeFile("grim/pic.pal", std::string(common::kPaletteColourBytes, '\x20'));
    writeFile("visual/scene.if", "pic\r\nsnow\r\n" + kKeyWait + "\r\n" + kScriptEnd + "\r\n");

    TestActor kim;
    kim.name = "kim";
    kim.x = "300.0";
    kim.eventNumber = 5;
    const std::string first = eventSection(
        {eventText("99", {textBlock("Sign", {"east"})}),
         eventText("5", {textBlock("Kim", {"hi"}), textBlock("Kim", {"bye"}),
                         std::string(kFlag) + " 3 1"}),
         eventText("98", {std::string(kIf) + " " + kFlag + " 3 1 10", textBlock("Kim", {"wait"})}),
         eventText("10", {std::string(kWarp) + " 30 40"})});
    writeFile("map/20.if", mapText("village", "first", {kim}, first));

    TestActor bell, lee;
    bell.name = "bell";
    bell.x = "200.0";
    bell.eventNumber = 7;
    bell.mode = 2;
    lee.name = "lee";
    lee.x = "400.0";
    lee.eventNumber = 6;
    const std::string second = eventSection(
        {eventText("99", {std::string(kVisual) + " scene", textBlock("Lee", {"welcome"})}),
         eventText("7", {std::string(kFlag) + " 4 1", textBlock("Bell", {"ding"})}),
         eventText("6", {textBlock("Lee", {"the end"}), kGameEnd})});
    writeFile("map/30.if", mapText("village", "second", {bell, lee}, second));
  }

  // Runs the built autoplay here with the plan; returns its status, stderr in errors.
  int autoplay(const std::string& plan, std::vector<std::string> more = {}) {
    writeFile("plan.txt", plan);
    std::string command = "'" PELMO_BIN_DIR "/autoplay' --plan plan.txt --record out.keys";
    for (const auto& a : more) command += " '" + a + "'";
    command += " 2>errors.txt";
    const int status = std::system(command.c_str());
    errors_ = readFile("errors.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string errors_;
};

TEST_F(Autoplay, plays_the_world_to_its_end_and_the_recorded_keys_replay_it) {
  ASSERT_EQ(autoplay(kWholePlan, {"--dump", "auto.json"}), 0) << errors_;
  EXPECT_EQ(withoutWarnings(errors_), "");
  EXPECT_FALSE(fs::exists("out.keys.part"));
  const std::string keys = readFile("out.keys");
  EXPECT_NE(keys.find("SPACE down"), std::string::npos);
  EXPECT_NE(keys.find("RIGHT down"), std::string::npos);
  EXPECT_NE(keys.find("LEFT down"), std::string::npos);

  const std::string dump = readFile("auto.json");
  EXPECT_NE(dump.find("\"gameRunning\": 0"), std::string::npos);
  EXPECT_NE(dump.find("\"mapName\": \"30\""), std::string::npos);
  EXPECT_NE(dump.find("\"eventFlags\": [0, 0, 0, 1, 1, 0"), std::string::npos);
  EXPECT_NE(dump.find("\"messages\": []"), std::string::npos);

  // The same frames, reads and state, byte for byte.
  EXPECT_EQ(dumpOfRun({"--headless", "--input", "out.keys"}), dump);
}

TEST_F(Autoplay, starts_where_the_game_would_with_map_and_hero_x) {
  ASSERT_EQ(autoplay("wait-event\nface right\ntalk\n",
                     {"--map", "30", "--hero-x", "340", "--dump", "auto.json"}),
            0)
      << errors_;
  EXPECT_EQ(dumpOfRun({"--headless", "--map", "30", "--hero-x", "340", "--input", "out.keys"}),
            readFile("auto.json"));
  EXPECT_EQ(autoplay("talk\n", {"--map", "30", "--hero-x", "x340"}), 2);
}

TEST_F(Autoplay, a_goal_that_fails_names_its_plan_line_and_keeps_the_keys_apart) {
  // Facing left at x 250, nobody is in reach.
  EXPECT_EQ(autoplay("wait-event\nwalk-to 250\n\nface left  # turn away\ntalk\n"), 1);
  EXPECT_NE(errors_.find("plan.txt: line 5: 'talk': nobody to talk to within reach"),
            std::string::npos)
      << errors_;
  EXPECT_FALSE(fs::exists("out.keys"));
  EXPECT_NE(readFile("out.keys.part").find("RIGHT down"), std::string::npos);

  EXPECT_EQ(autoplay("wait-event\nwalk-to 250\ntalk\nexpect-flag 3 0\n"), 1);
  EXPECT_NE(errors_.find("line 4: 'expect-flag 3 0': flag 3 is 1"), std::string::npos) << errors_;

  EXPECT_EQ(autoplay("wait-event\n# far away\nwalk-to 900\n", {"--budget", "100"}), 1);
  EXPECT_NE(errors_.find("line 3: 'walk-to 900': did not complete within 100 reads"),
            std::string::npos)
      << errors_;

  // Without the flag the edge only says "wait": the map never changes.
  EXPECT_EQ(autoplay("walk-right-until-map 30\n", {"--budget", "2000"}), 1);
  EXPECT_NE(errors_.find("line 1: 'walk-right-until-map 30': did not complete"), std::string::npos)
      << errors_;
}

TEST_F(Autoplay, the_game_must_end_by_its_command_after_the_plan) {
  EXPECT_EQ(autoplay("wait-event\n", {"--budget", "200"}), 1);
  EXPECT_NE(errors_.find("the plan ended (last goal on line 1) but the game did not end"),
            std::string::npos)
      << errors_;
  // Goals left when the game ends fail, except the checks that the end can still answer.
  std::string plan = kWholePlan;
  EXPECT_EQ(autoplay(plan + "expect-flag 4 1\nwalk-to 10\n"), 1);
  EXPECT_NE(errors_.find("line 15: 'walk-to 10': the game ended before this goal completed"),
            std::string::npos)
      << errors_;
}

TEST_F(Autoplay, a_bad_plan_is_refused_before_the_game_starts) {
  EXPECT_EQ(autoplay("wait-event\n\nwalk-to\n"), 2);
  EXPECT_NE(errors_.find("plan.txt: line 3: expected an x after walk-to"), std::string::npos)
      << errors_;
  EXPECT_EQ(autoplay("jump\n"), 2);
  EXPECT_NE(errors_.find("line 1: unknown goal 'jump'"), std::string::npos) << errors_;
  EXPECT_EQ(autoplay("expect-flag 100 1\n"), 2);
  EXPECT_EQ(autoplay("face up\n"), 2);
  EXPECT_EQ(autoplay("talk now\n"), 2);
  EXPECT_NE(errors_.find("line 1: unexpected 'now'"), std::string::npos) << errors_;
  EXPECT_FALSE(fs::exists("out.keys.part"));
}

}  // namespace
