// frame_counter_e2e_test.cpp -- the settings' frame_counter = hidden takes the counter away
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/png_image.h"
#include "support/game_run.h"
#include "support/test_maps.h"

namespace {

using namespace testing_support;

class FrameCounter : public GameFolderTest {
 protected:
  // The screen after frame 60 of a seeded run with these options.
  common::RgbaImage shot(std::vector<std::string> args) {
    args.insert(args.end(), {"--headless", "--seed", "3", "--frames", "60", "--shot", "60:a.png"});
    dumpOfRun(args);
    common::RgbaImage image;
    std::string error;
    EXPECT_TRUE(common::readPng("a.png", image, error)) << error;
    return image;
  }
};

TEST_F(FrameCounter, hidden_leaves_the_view_as_it_is_without_the_counter) {
  writeWorldData();
  writeFile("hidden.ini", "frame_counter = hidden\n");
  const common::RgbaImage plain = shot({});
  const common::RgbaImage hidden = shot({"--settings", "hidden.ini"});
  // A headless run leaves the player's own settings alone.
  writeFile("config/pelmo/settings.ini", "frame_counter = hidden\n");
  setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
  const common::RgbaImage headless = shot({});
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(headless.rgba, plain.rgba);
  // The counter is drawn at the view's top left: the rest of the screen is the same.
  int inBox = 0, outside = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      const size_t i = size_t(y * 640 + x) * 4;
      const bool differs =
          plain.rgba[i] != hidden.rgba[i] || plain.rgba[i + 1] != hidden.rgba[i + 1];
      (x < 240 && y < 40 ? inBox : outside) += differs;
    }
  EXPECT_GT(inBox, 100);
  EXPECT_EQ(outside, 0);
}

}  // namespace
