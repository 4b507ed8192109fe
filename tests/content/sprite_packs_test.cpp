// sprite_packs_test.cpp -- the demo game's sprite packs as built into the data folder: each
// loads with the frames the game asks of it, stands on its bottom row and keeps off the
// palette entries that the snow and the text animate
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gfx/sprite_pack.h"

namespace {

namespace fs = std::filesystem;

const fs::path kDataDir = fs::path(PELMO_BIN_DIR).parent_path() / "data";

// Packs of a walking character: stand, four walk phases each way and two poses.
const char* const kCharacters[] = {
    "CHAR1", "postman", "dog",    "snowman", "boy",        "chief",   "baker",
    "smith", "girl",    "fisher", "skater",  "woodcutter", "fox",     "herbalist",
    "owl",   "keeper",  "crow",   "grandma", "deer",       "lamp_on", "lamp_off"};

class SpritePacksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    ASSERT_TRUE(fs::exists(kDataDir / "grim" / "CHAR1.idx"))
        << "build the game_data target first: " << kDataDir;
    fs::current_path(kDataDir);
  }
  void TearDown() override { fs::current_path(previous_); }

  // Frame pixels that the snow (16..18) or the text (192..207) would recolour.
  static int animatedPixels(const gfx::SpritePack& pack, int frame, bool textAllowed) {
    int count = 0;
    const int n = pack.width(frame) * pack.height(frame);
    for (int i = 0; i < n; ++i) {
      const int c = pack.pixels[frame][i];
      const bool text = c >= 192 && c <= 207 && !(textAllowed && (c == 192 || c == 200));
      if ((c >= 16 && c <= 18) || text) ++count;
    }
    return count;
  }
  static bool rowHasPixels(const gfx::SpritePack& pack, int frame, int row) {
    for (int x = 0; x < pack.width(frame); ++x)
      if (pack.rows[frame][row][x] != gfx::kTransparent) return true;
    return false;
  }

 private:
  fs::path previous_;
};

TEST_F(SpritePacksTest, characters_have_twelve_frames_standing_on_their_bottom_row) {
  for (const char* name : kCharacters) {
    SCOPED_TRACE(name);
    gfx::SpritePack pack;
    ASSERT_EQ(pack.load(name), gfx::kPackLoaded);
    EXPECT_EQ(pack.frameCount, 12);
    for (int f = 0; f < pack.frameCount; ++f) {
      SCOPED_TRACE(f);
      ASSERT_GT(pack.width(f), 0);
      // Every frame of a pack is of one size, so a character keeps its feet (baseY) and
      // its talk span when the frame changes.
      EXPECT_EQ(pack.width(f), pack.width(0));
      EXPECT_EQ(pack.height(f), pack.height(0));
      EXPECT_LE(pack.width(f), 40);
      EXPECT_TRUE(rowHasPixels(pack, f, pack.height(f) - 1));
      EXPECT_EQ(animatedPixels(pack, f, false), 0);
    }
  }
}

TEST_F(SpritePacksTest, the_cursor_and_the_balloons) {
  gfx::SpritePack cursor, bubble;
  ASSERT_EQ(cursor.load("cursor"), gfx::kPackLoaded);
  ASSERT_EQ(bubble.load("bubble"), gfx::kPackLoaded);
  EXPECT_EQ(cursor.frameCount, 3);
  for (int f = 0; f < 3; ++f) EXPECT_EQ(animatedPixels(cursor, f, true), 0);
  // Eight kinds of six frames; the full balloon (the sixth) carries an icon and is no
  // larger than the first, whose width the game tests for visibility.
  EXPECT_EQ(bubble.frameCount, 48);
  for (int f = 0; f < 48; ++f) {
    SCOPED_TRACE(f);
    EXPECT_EQ(bubble.width(f), bubble.width(0));
    EXPECT_EQ(bubble.height(f), bubble.height(0));
    EXPECT_EQ(animatedPixels(bubble, f, false), 0);
  }
}

}  // namespace
