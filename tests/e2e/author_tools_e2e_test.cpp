// author_tools_e2e_test.cpp -- --trace's lines, F9's overlay and --watch leave the game as it is
#include <gtest/gtest.h>

#include "common/png_image.h"
#include "support/game_run.h"
#include "support/test_events.h"

namespace {

using namespace testing_support;
using namespace testing_support::words;

class AuthorTools : public GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    writeStageData("village");
    writeSolidPack("bubble", 48, 16, 12, 150);
  }
  static std::vector<uint8_t> pixels(const std::string& path) {
    common::RgbaImage image;
    std::string error;
    EXPECT_TRUE(common::readPng(path, image, error)) << error;
    return image.rgba;
  }
};

TEST_F(AuthorTools, trace_gives_each_step_once_in_the_frame_it_runs) {
  const std::string entry = eventText(
      "99", {kHeroHold, kCamera, std::string(kFlag) + " 3 1", std::string(kHeroWalkRight) + " 3",
             std::string(kIf) + " " + kFlag + " 3 1 5"});
  const std::string five =
      eventText("5", {kHeroRelease, textBlock("kim", {"hello"}), std::string(kWarp) + " 30 600"});
  writeFile("map/20.if", mapText("village", "village", {}, eventSection({entry, five})));
  std::string errors;
  ASSERT_EQ(runGame(dir_, {"--headless", "--trace", "--frames", "40"}, &errors), 0);
  // The camera goes straight on to the next step; a walk of 3 frames takes 4 and starts once;
  // the jump's target runs in the next frame; the balloon waits for a key to the end.
  EXPECT_EQ(withoutWarnings(errors),
            "trace frame=1 map=20 event=99 step=0 주인공-차렷\n"
            "trace frame=2 map=20 event=99 step=1 카메라-셋\n"
            "trace frame=2 map=20 event=99 step=2 플러그 3 1\n"
            "trace frame=3 map=20 event=99 step=3 주인공-우로가 3\n"
            "trace frame=7 map=20 event=99 step=4 만약 플러그 3 1 5\n"
            "trace frame=8 map=20 event=5 step=0 주인공-쉬어\n"
            "trace frame=9 map=20 event=5 step=1 글씨찍기 kim\n");
}

TEST_F(AuthorTools, f9_shows_the_overlay_below_the_counter_and_never_reaches_the_game) {
  writeFile("map/20.if", mapText("village", "village", {}));
  writeFile("f9.keys", "20 F9 down\n21 F9 up\n");
  const auto play = [&](const std::string& name, std::vector<std::string> keys) {
    keys.insert(keys.end(), {"--headless", "--seed", "3", "--frames", "30", "--shot",
                             "30:" + name + ".png", "--record", name + ".rec"});
    return dumpOfRun(keys);
  };
  EXPECT_EQ(play("on", {"--input", "f9.keys"}), play("off", {}));
  EXPECT_EQ(readFile("on.rec"), readFile("off.rec"));
  // Three lines of the 16-pixel font under the counter, doubled on the screen.
  const std::vector<uint8_t> a = pixels("on.png"), b = pixels("off.png");
  int inLines = 0, outside = 0;
  for (size_t i = 0; i < a.size(); i += 4) {
    const int y = int(i / 4 / 640);
    if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2])
      (y >= 32 && y < 32 + 3 * 32 ? inLines : outside) += 1;
  }
  EXPECT_GT(inLines, 500);
  EXPECT_EQ(outside, 0);
}

TEST_F(AuthorTools, watch_without_a_change_plays_as_without) {
  writeConversationWorld();
  const std::vector<std::string> run = {"--headless", "--seed",  "5",        "--frames",
                                        "200",        "--input", "talk.keys"};
  std::vector<std::string> watched = run;
  watched.push_back("--watch");
  EXPECT_EQ(dumpOfRun(watched), dumpOfRun(run));
}

}  // namespace
