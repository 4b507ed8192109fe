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
    "CHAR1", "postman", "dog",    "snowman",    "boy",      "chief",     "baker", "smith",
    "girl",  "fisher",  "skater", "woodcutter", "fox",      "herbalist", "owl",   "keeper",
    "crow",  "grandma", "deer",   "lamp_on",    "lamp_off", "bridge"};

// People and animals stay within the talk reach; the drawbridge spans map 37's chasm.
int widest(const std::string& name) { return name == std::string("bridge") ? 214 : 40; }

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
    ASSERT_EQ(pack.load(name), gfx::PackLoad::kLoaded);
    EXPECT_EQ(pack.frameCount, 12);
    for (int f = 0; f < pack.frameCount; ++f) {
      SCOPED_TRACE(f);
      ASSERT_GT(pack.width(f), 0);
      // Every frame of a pack is of one size, so a character keeps its feet (baseY) and
      // its talk span when the frame changes.
      EXPECT_EQ(pack.width(f), pack.width(0));
      EXPECT_EQ(pack.height(f), pack.height(0));
      EXPECT_LE(pack.width(f), widest(name));
      EXPECT_TRUE(rowHasPixels(pack, f, pack.height(f) - 1));
      EXPECT_EQ(animatedPixels(pack, f, false), 0);
    }
  }
}

TEST_F(SpritePacksTest, the_cursor_and_the_balloons) {
  gfx::SpritePack cursor, bubble;
  ASSERT_EQ(cursor.load("cursor"), gfx::PackLoad::kLoaded);
  ASSERT_EQ(bubble.load("bubble"), gfx::PackLoad::kLoaded);
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

// Raised (frame 0, facing left) the bridge leaves the chasm open; lowered (frame 5, facing
// right) its deck runs unbroken from the hinge to the frame's right edge on the row that map
// 37's baseY puts on the ground line, with nothing on it where the hero walks above it.
TEST_F(SpritePacksTest, the_drawbridge_lowers_its_deck_onto_the_ground_line) {
  gfx::SpritePack pack;
  ASSERT_EQ(pack.load("bridge"), gfx::PackLoad::kLoaded);
  ASSERT_EQ(pack.frameCount, 12);
  // The chasm begins 14 columns into the frame, right of the hinge.
  const int deckRow = pack.height(0) - 10, chasm = 14, w = pack.width(0);
  ASSERT_GT(deckRow, 0);
  int raisedDeck = 0, loweredDeck = 0, loweredOver = 0;
  for (int x = chasm; x < w; ++x) {
    raisedDeck += pack.rows[0][deckRow][x] != gfx::kTransparent;
    loweredDeck += pack.rows[5][deckRow][x] != gfx::kTransparent;
    // Half way up the hero, only the rail's posts stand on the deck.
    loweredOver += pack.rows[5][deckRow - 24][x] != gfx::kTransparent;
  }
  EXPECT_LE(raisedDeck, 1);  // the hinge's right edge
  EXPECT_EQ(loweredDeck, w - chasm);
  EXPECT_LT(loweredOver, 8);
  // The walking and pose frames repeat the two.
  for (int f : {1, 2, 3, 4, 10})
    EXPECT_EQ(pack.rows[f][deckRow][w - 1], pack.rows[0][deckRow][w - 1]);
  for (int f : {6, 7, 8, 9, 11})
    EXPECT_EQ(pack.rows[f][deckRow][w - 1], pack.rows[5][deckRow][w - 1]);
}

}  // namespace
