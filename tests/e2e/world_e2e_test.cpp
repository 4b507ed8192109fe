// world_e2e_test.cpp -- the `game` program on a small test map: the dump's world keys, shots, seeds
#include "common/geometry.h"
#include "common/png_image.h"
#include "support/game_run.h"
#include "support/state_dump.h"
#include "support/test_maps.h"

namespace {

using namespace testing_support;

// Map columns 300 and 301 are holes through which the far layer shows.
class WorldRun : public GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    writeVillageWorld();
    writeFile("grim/bar.res", std::string(20160, '\x09'));
  }
  int run(const std::vector<std::string>& args) {
    std::string errors;
    const int status = runGame(dir_, args, &errors);
    EXPECT_EQ(withoutWarnings(errors), "");
    return status;
  }
  static common::RgbaImage shot(const std::string& path) {
    common::RgbaImage image;
    std::string error;
    EXPECT_TRUE(common::readPng(path, image, error)) << error;
    return image;
  }
  // The palette index shown at view pixel (x, y): the known palette's red is the index.
  static int viewIndex(const common::RgbaImage& image, int x, int y) {
    return image.rgba[size_t((2 * y * common::kScreenWidth + 2 * x) * 4)];
  }
};

TEST_F(WorldRun, dump_holds_the_hero_the_actors_and_the_scene) {
  ASSERT_EQ(run({"--headless", "--frames", "30", "--dump", "s.json"}), 0);
  const std::string dump = readFile("s.json");
  EXPECT_EQ(dumpNumber(dump, "cameraX"), 0);
  EXPECT_EQ(dumpNumber(dump, "farScrollX"), 0);
  EXPECT_NE(dump.find("\"caption\": \"눈마을\""), std::string::npos);
  EXPECT_GE(dumpNumber(dump, "captionTimer"), 1);
  const std::string hero = dumpObject(dump, "hero");
  EXPECT_NE(hero.find("\"name\": \"\""), std::string::npos) << hero;
  EXPECT_EQ(dumpNumber(hero, "x"), 10);
  EXPECT_EQ(dumpNumber(hero, "baseY"), 288);
  EXPECT_NEAR(dumpNumber(hero, "speed"), 1.3, 1e-6);
  for (const char* key : {"walkTick", "motion", "frame", "facing", "speechTimer", "stepIndex",
                          "stepTimer", "eventNumber", "mode", "busy"})
    EXPECT_NE(dumpNumber(hero, key), -999) << key;
  // The actors in slot order, each object starting with its name.
  const size_t list = dump.find("\"actors\": [{\"name\": \"walker\"");
  ASSERT_NE(list, std::string::npos);
  ASSERT_NE(dump.find("}, {\"name\": \"talker\"", list), std::string::npos);
  const std::string walker = dump.substr(list, dump.find('}', list) - list);
  // Ten frames right, ten left, ten right again.
  EXPECT_NEAR(dumpNumber(walker, "x"), 213.0, 0.001);
  EXPECT_EQ(dumpNumber(walker, "facing"), 1);
  EXPECT_EQ(dumpNumber(walker, "stepIndex"), 1);
  const size_t second = dump.find("\"talker\"", list);
  const std::string talker = dump.substr(second, dump.find('}', second) - second);
  EXPECT_EQ(dumpNumber(talker, "speechTimer"), 60);
  EXPECT_EQ(dumpNumber(talker, "mode"), 2);
  EXPECT_EQ(dumpNumber(talker, "eventNumber"), 40);
  EXPECT_NE(dump.find("\"messages\": []"), std::string::npos);
}

// The entry event, which the map does not define, ends in the first frame; from the
// second frame on the hero walks right at 1.3 pixels a frame.
TEST_F(WorldRun, the_hero_walks_right_and_the_camera_follows) {
  writeFile("in.keys", "0 RIGHT down\n");
  ASSERT_EQ(run({"--headless", "--input", "in.keys", "--frames", "101", "--dump", "a.json"}), 0);
  const std::string a = readFile("a.json");
  const std::string heroA = dumpObject(a, "hero");
  EXPECT_EQ(dumpNumber(a, "currentEvent"), 0);
  EXPECT_NEAR(dumpNumber(heroA, "x"), 140.0, 0.001);  // 100 steps from 10
  EXPECT_EQ(dumpNumber(heroA, "walkTick"), 40);
  EXPECT_EQ(dumpNumber(heroA, "frame"), 9);  // the fifth phase of the walk to the right
  EXPECT_EQ(dumpNumber(heroA, "facing"), 1);
  EXPECT_EQ(dumpNumber(heroA, "motion"), 1);
  EXPECT_EQ(dumpNumber(a, "cameraX"), 0);
  EXPECT_EQ(dumpNumber(a, "farScrollX"), 0);
  // Two steps on the camera starts after the hero (target 1, then 2), the far layer at half.
  ASSERT_EQ(run({"--headless", "--input", "in.keys", "--frames", "103", "--dump", "b.json"}), 0);
  const std::string b = readFile("b.json");
  EXPECT_NEAR(dumpNumber(dumpObject(b, "hero"), "x"), 142.6, 0.001);
  EXPECT_EQ(dumpNumber(b, "cameraX"), 2);
  EXPECT_EQ(dumpNumber(b, "farScrollX"), 1);
  // Far along, the camera keeps about 50 pixels behind its target, moving 2 then 1.
  ASSERT_EQ(run({"--headless", "--input", "in.keys", "--frames", "400", "--dump", "c.json"}), 0);
  const std::string c = readFile("c.json");
  const double x = dumpNumber(dumpObject(c, "hero"), "x");
  EXPECT_NEAR(x, 10.0 + 399 * 1.3, 0.01);
  const int target = int(x) - 140;
  EXPECT_GE(dumpNumber(c, "cameraX"), target - 51);
  EXPECT_LE(dumpNumber(c, "cameraX"), target - 49);
  EXPECT_EQ(dumpNumber(c, "farScrollX"), int(dumpNumber(c, "cameraX")) / 2);
}

TEST_F(WorldRun, the_view_shows_map_far_layer_actors_hero_and_status_bar) {
  ASSERT_EQ(run({"--headless", "--frames", "60", "--shot", "60:a.png"}), 0);
  const auto image = shot("a.png");
  ASSERT_EQ(image.width, 640);
  int map = 0, far = 0, hero = 0, bar = 0;
  for (int y = 0; y < 150; ++y) {
    map += viewIndex(image, 250, y) == mapPixel(250);
    far += viewIndex(image, 60, y) == farPixel(60, y);
  }
  // The hero (frame 0, colour 100) stands at map x 10, its feet on page row 287.
  for (int y = 110; y < 160; ++y) hero += viewIndex(image, 25, y) == 100;
  for (int y = 177; y < 240; ++y) bar += viewIndex(image, 5, y) == 9;
  // Single snow flakes may cover a few pixels, nothing else does.
  EXPECT_GE(map, 140);
  EXPECT_GE(far, 140);
  EXPECT_GE(hero, 45);
  EXPECT_EQ(bar, 63);
}

TEST_F(WorldRun, a_seed_repeats_the_snow_and_another_seed_does_not) {
  ASSERT_EQ(run({"--headless", "--frames", "40", "--seed", "5", "--shot", "40:a.png"}), 0);
  ASSERT_EQ(run({"--headless", "--frames", "40", "--seed", "5", "--shot", "40:b.png"}), 0);
  ASSERT_EQ(run({"--headless", "--frames", "40", "--seed", "6", "--shot", "40:c.png"}), 0);
  EXPECT_EQ(readFile("a.png"), readFile("b.png"));
  EXPECT_NE(readFile("a.png"), readFile("c.png"));
}

TEST_F(WorldRun, both_pictures_are_back_the_frame_after_surfaces_are_lost) {
  // After the fade-in, so that the shot's colours are the palette's own.
  ASSERT_EQ(run({"--headless", "--frames", "65", "--lose-surfaces", "60", "--shot", "62:a.png",
                 "--dump", "s.json"}),
            0);
  const auto image = shot("a.png");
  int map = 0, far = 0;
  for (int y = 0; y < 150; ++y) {
    map += viewIndex(image, 250, y) == mapPixel(250);
    far += viewIndex(image, 61, y) == farPixel(61, y);
  }
  EXPECT_GE(map, 140);
  EXPECT_GE(far, 140);
  EXPECT_NE(readFile("s.json").find("\"messages\": []"), std::string::npos);
}

}  // namespace
