// screenshot_e2e_test.cpp -- F12 writes the screen as the player sees it, as --shot does
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "common/png_image.h"
#include "support/game_run.h"
#include "support/test_events.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

class Screenshot : public GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    writeConversationWorld();
    setenv("XDG_PICTURES_DIR", (dir_ / "pictures").c_str(), 1);
  }
  void TearDown() override {
    unsetenv("XDG_PICTURES_DIR");
    GameFolderTest::TearDown();
  }
  static std::vector<uint8_t> pixels(const std::string& path) {
    common::RgbaImage image;
    std::string error;
    EXPECT_TRUE(common::readPng(path, image, error)) << error;
    return image.rgba;
  }
};

TEST_F(Screenshot, f12_writes_the_shown_frame_to_a_new_file_and_never_reaches_the_game) {
  char date[16];
  const std::time_t now = std::time(nullptr);
  std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
  const fs::path folder = dir_ / "pictures" / "Pelmo";
  const fs::path taken = folder / (std::string("pelmo-") + date + "-001.png");
  writeFile(taken.string(), "the player's own");
  // Read R comes after frame R is shown: in the fade-in, each frame has a palette of its own.
  writeFile("f12.keys", "30 F12 down\n31 F12 up\n40 F12 down\n");
  std::string errors;
  ASSERT_EQ(runGame(dir_,
                    {"--headless", "--frames", "45", "--input", "f12.keys", "--record", "rec.keys",
                     "--shot", "30:s30.png", "--shot", "31:s31.png"},
                    &errors),
            0);
  const fs::path first = folder / (std::string("pelmo-") + date + "-002.png");
  const fs::path second = folder / (std::string("pelmo-") + date + "-003.png");
  EXPECT_EQ(withoutWarnings(errors),
            "game: screenshot " + first.string() + "\ngame: screenshot " + second.string() + "\n");
  EXPECT_EQ(readFile(taken.string()), "the player's own");
  EXPECT_EQ(pixels(first.string()), pixels("s30.png"));
  EXPECT_NE(pixels(first.string()), pixels("s31.png"));
  EXPECT_EQ(readFile("rec.keys").find("F12"), std::string::npos);
}

}  // namespace
