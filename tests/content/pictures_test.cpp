// pictures_test.cpp -- the demo game's pictures as built into the data folder: map pictures
// with their sky clear and their ground unbroken, an opaque far layer, a status bar dark
// enough for white text, cut-scenes whose palettes keep the text's colours
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/data_formats.h"

namespace {

namespace fs = std::filesystem;

const fs::path kDataDir = fs::path(PELMO_BIN_DIR).parent_path() / "data";
const char* const kMaps[] = {"20", "21", "24", "35", "37", "42"};
constexpr int kMapWidth = common::kMapPictureWidth, kMapHeight = common::kMapPictureHeight;
constexpr int kGroundRow = 160;

std::vector<uint8_t> readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lightness 0..255 of a palette entry.
int luma(const std::vector<uint8_t>& palette, int index) {
  const size_t at = size_t(index) * 3;
  return (30 * palette[at] + 59 * palette[at + 1] + 11 * palette[at + 2]) / 100;
}

// Entries that the engine animates: the snow flakes and the text ramp.
bool animated(int index) { return (index >= 16 && index <= 18) || (index >= 192 && index <= 207); }

int countAnimated(const std::vector<uint8_t>& pixels) {
  int n = 0;
  for (uint8_t p : pixels) n += animated(p) ? 1 : 0;
  return n;
}

class PicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(kDataDir / "grim" / "bg.res"))
        << "build the game_data target first: " << kDataDir;
    palette_ = readAll(kDataDir / "grim" / "pal.pal");
    ASSERT_GE(palette_.size(), 768u);
  }
  std::vector<uint8_t> palette_;
};

TEST_F(PicturesTest, MapsHaveSkyAboveAndUnbrokenGroundAlongTheWalkingRow) {
  for (const char* name : kMaps) {
    SCOPED_TRACE(name);
    const std::vector<uint8_t> map = readAll(kDataDir / "map" / (std::string(name) + ".res"));
    ASSERT_EQ(map.size(), size_t(kMapWidth * kMapHeight));
    int holes = 0, sky = 0;
    for (int x = 0; x < kMapWidth; ++x) {
      for (int y = kGroundRow; y < kMapHeight; ++y) holes += map[size_t(y * kMapWidth + x)] == 255;
      for (int y = 0; y < 60; ++y) sky += map[size_t(y * kMapWidth + x)] == 255;
    }
    EXPECT_EQ(holes, 0) << "the far layer would show through the ground";
    EXPECT_GT(sky, kMapWidth * 60 / 10) << "the far layer should show above the scenery";
    EXPECT_EQ(countAnimated(map), 0);
  }
}

TEST_F(PicturesTest, FarLayerIsOpaqueWhereItIsShown) {
  const std::vector<uint8_t> far = readAll(kDataDir / "grim" / "bg.res");
  ASSERT_EQ(far.size(), 800u * 240u);
  const std::vector<uint8_t> shown(far.begin(), far.begin() + common::kFarWidth * kMapHeight);
  EXPECT_EQ(std::count(shown.begin(), shown.end(), uint8_t(255)), 0) << "255 would show black";
  EXPECT_EQ(countAnimated(far), 0);
}

TEST_F(PicturesTest, StatusBarIsDarkUnderTheText) {
  const std::vector<uint8_t> bar = readAll(kDataDir / "grim" / "bar.res");
  ASSERT_EQ(bar.size(), 320u * 63u);
  EXPECT_EQ(countAnimated(bar), 0);
  // Body rows are typed from row 9 down: nearly all of it must be dark for white text.
  int light = 0;
  constexpr int kWidth = common::kStatusBarWidth;
  for (int y = 9; y < common::kStatusBarRows; ++y)
    for (int x = 0; x < kWidth; ++x) light += luma(palette_, bar[size_t(y * kWidth + x)]) > 110;
  EXPECT_LT(light, kWidth * 54 / 25) << light << " light pixels under the text";
}

TEST_F(PicturesTest, CutScenesKeepTheTextColoursAndACalmLowerPart) {
  for (const char* name : {"op", "ed"}) {
    SCOPED_TRACE(name);
    const std::vector<uint8_t> picture = readAll(kDataDir / "grim" / (std::string(name) + ".res"));
    const std::vector<uint8_t> own = readAll(kDataDir / "grim" / (std::string(name) + ".pal"));
    constexpr int kWidth = common::kCutScenePictureWidth, kHeight = common::kCutScenePictureHeight;
    ASSERT_EQ(picture.size(), common::kCutScenePictureBytes);
    ASSERT_GE(own.size(), common::kPaletteColourBytes);
    EXPECT_GT(luma(own, 13), 220) << "entry 13 is the text's face";
    EXPECT_LT(luma(own, 14), 40) << "entry 14 is the text's outline";
    long sum = 0;
    for (int y = 330; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) sum += luma(own, picture[size_t(y * kWidth + x)]);
    EXPECT_LT(sum / ((kHeight - 330) * kWidth), 60) << "the text rows should be dark";
  }
}

}  // namespace
