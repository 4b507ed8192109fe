// mapview_test.cpp -- mapview's picture against the game's own screen, its overlays and its sheet
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "common/png_image.h"
#include "platform/encoding.h"
#include "support/game_run.h"
#include "support/test_maps.h"
#include "tools/run_tool.h"

namespace {

using testing_support::TestActor;
using testing_support::writeFile;
using tools_testing::runTool;

std::string cp949(const std::string& utf8) { return platform::utf8ToCp949(utf8); }

TestActor man(const std::string& x, int facing, int mode, std::vector<std::string> steps) {
  TestActor a;
  a.x = x;
  a.facing = facing;
  a.mode = mode;
  a.steps = std::move(steps);
  return a;
}

// Map "50" (its '0' tints the palette blue) on a picture with a transparent column in
// every five, so that the far layer shows through: characters across the camera's
// quarters and the map's ends, in several frames, trampling and not; event 97 warps.
void writeTestMap() {
  testing_support::writeStageData("p");
  std::vector<int> holes;
  for (int c = 0; c < 1280; c += 5) holes.push_back(c);
  testing_support::writeMapPicture("p", holes);
  const std::string stand = std::string(testing_support::kStandWord) + " 0";
  const std::vector<TestActor> actors = {
      man("300.0", 1, 0, {stand}),                                              // frame 5
      man("940.5", 0, 0, {std::string(testing_support::kPictureWord) + " 3"}),  // frame 3
      man("100", 0, 2, {stand}),                                                // leaves the snow
      man("1250", 0, 0, {}),                                                    // never acts
      man("-20", 1, 3, {stand}),
  };
  const std::string events = "1\r\n97\r\n" + cp949("워프") + " 51 1200\r\n97\r\n";
  writeFile("map/50.if", testing_support::mapText("p", cp949("눈 마을"), actors, events));
  writeFile("settings", "frame_counter = hidden\n");
}

common::RgbaImage readPicture(const std::string& path) {
  common::RgbaImage image;
  std::string error;
  EXPECT_TRUE(common::readPng(path, image, error)) << path << ": " << error;
  return image;
}

uint32_t pixel(const common::RgbaImage& image, int x, int y) {
  const uint8_t* p = &image.rgba[(size_t(y) * image.width + x) * 4];
  return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
}

class MapView : public testing_support::GameFolderTest {
 protected:
  // The colours of the three snow layers and the pile (indices 16 to 18 of the known
  // palette, tinted blue as map 50 is).
  std::set<uint32_t> snow() const {
    std::set<uint32_t> colours;
    for (int i = 16; i <= 18; ++i)
      colours.insert(uint32_t(i) << 16 | uint32_t(255 - i) << 8 | uint32_t(i / 2 + 15));
    return colours;
  }

  // Compares the map area of the game's shot (the view twice as large) with columns
  // camera to camera + 319 of mapview's picture: every pixel agrees but where the shot
  // shows snow, and no more of those than the flakes could cover.
  void expectAgreement(const std::string& shotPath, const std::string& viewPath, int camera) {
    const common::RgbaImage shot = readPicture(shotPath), view = readPicture(viewPath);
    ASSERT_EQ(view.width, 1280);
    ASSERT_EQ(view.height, 177);
    ASSERT_EQ(shot.width, 640);
    const std::set<uint32_t> snowColours = snow();
    int snowPixels = 0, wrong = 0;
    std::string first;
    for (int y = 0; y < 2 * 177; ++y)
      for (int x = 0; x < 640; ++x) {
        const uint32_t seen = pixel(shot, x, y), drawn = pixel(view, camera + x / 2, y / 2);
        if (seen == drawn) continue;
        if (snowColours.count(seen)) {
          ++snowPixels;
          continue;
        }
        if (wrong++ == 0)
          first = "x " + std::to_string(camera + x / 2) + ", y " + std::to_string(y / 2);
      }
    EXPECT_EQ(wrong, 0) << "camera " << camera << ": first at " << first;
    // 700 flakes at most, each a 2 x 2 block, and the pile's landings.
    EXPECT_LT(snowPixels, 4 * 700 + 4 * 320);
  }
};

TEST_F(MapView, AgreesWithTheGamesShotsAtCamera0And960) {
  writeTestMap();
  std::string errors;
  // Camera 0 while the caption stands still; camera 960 after it has gone.
  ASSERT_EQ(testing_support::runGame(
                dir_,
                {"--headless", "--settings", "settings", "--seed", "7", "--map", "50", "--hero-x",
                 "10", "--frames", "150", "--shot", "150:left.png"},
                &errors),
            0)
      << errors;
  ASSERT_EQ(testing_support::runGame(
                dir_,
                {"--headless", "--settings", "settings", "--seed", "7", "--map", "50", "--hero-x",
                 "1200", "--frames", "230", "--shot", "230:right.png"},
                &errors),
            0)
      << errors;
  std::string out;
  ASSERT_EQ(
      runTool("mapview", {"--data", ".", "50", "--plain", "--hero", "10", "-o", "v0.png"}, &out), 0)
      << out;
  ASSERT_EQ(
      runTool("mapview", {"--plain", "--hero", "1200", "--no-caption", "50", "-o", "v9.png"}, &out),
      0)
      << out;
  expectAgreement("left.png", "v0.png", 0);
  expectAgreement("right.png", "v9.png", 960);
}

TEST_F(MapView, MarksEdgeEventsAndWritesASheetOfEveryMap) {
  writeTestMap();
  writeFile("map/7.if", testing_support::mapText("p", "", {}));
  std::string out;
  ASSERT_EQ(runTool("mapview", {"50", "-o", "a.png"}, &out), 0) << out;
  const common::RgbaImage a = readPicture("a.png");
  // A band for the labels below the map; the stripe of event 97 on the left only.
  EXPECT_GT(a.height, 177 + 18);
  EXPECT_EQ(pixel(a, 1, 100), 0xFF8000u);
  EXPECT_NE(pixel(a, 1278, 100), 0xFF8000u);

  ASSERT_EQ(runTool("mapview", {"--sheet", "s.png", "--scale", "2"}, &out), 0) << out;
  const common::RgbaImage sheet = readPicture("s.png");
  EXPECT_EQ(sheet.width, 2560);
  // Two maps, each under its title line.
  EXPECT_GT(sheet.height, 2 * (a.height + 177));

  EXPECT_EQ(runTool("mapview", {"8", "-o", "b.png"}, &out), 2);
  EXPECT_NE(out.find("no map 8"), std::string::npos) << out;
}

}  // namespace
