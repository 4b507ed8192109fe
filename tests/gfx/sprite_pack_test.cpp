// sprite_pack_test.cpp -- loading sprite packs (every result, partial loads) and drawing frames
#include "gfx/sprite_pack.h"

#include <filesystem>
#include <string>

#include "common/data_formats.h"
#include "display/display_state.h"
#include "display/pixel_page.h"
#include "platform/data_warnings.h"
#include "support/engine_fixture.h"

namespace {
using gfx::SpritePack;
using testing_support::EngineTest;
using testing_support::writeFile;

class SpritePackTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
    fillPage(7);
  }
  static void fillPage(uint8_t colour) {
    for (int y = 0; y < display::kPageHeight; ++y)
      for (int x = 0; x < display::kPageWidth; ++x)
        display::displayState().APAGE->PutPixel(x, y, colour);
  }
  static int pixel(int x, int y) { return display::displayState().APAGE->row(y)[x]; }
  // Frames 2 x 2, 3 x 1 and 1 x 2 with pixels 10.., 20.., 30...
  static void writeThreeFramePack(const std::string& extraPixels = "") {
    writeFile("grim/three.idx", "3\n2 2\n3\t1\r\n1 2");
    writeFile("grim/three.res", std::string("\x0A\x0B\x0C\x0D\x14\x15\x16\x1E\x1F") + extraPixels);
  }
};

TEST_F(SpritePackTest, loads_frames_of_their_own_sizes) {
  writeThreeFramePack("trailing bytes are not read");
  SpritePack pack;
  ASSERT_EQ(pack.load("three"), gfx::PackLoad::kLoaded);
  EXPECT_EQ(pack.frameCount, 3);
  EXPECT_EQ(pack.width(0), 2);
  EXPECT_EQ(pack.height(0), 2);
  EXPECT_EQ(pack.width(1), 3);
  EXPECT_EQ(pack.height(1), 1);
  EXPECT_EQ(pack.width(2), 1);
  EXPECT_EQ(pack.height(2), 2);
  EXPECT_EQ(pack.rows[0][1], pack.pixels[0] + 2);
  pack.draw(200, 150, 0);
  EXPECT_EQ(pixel(200, 150), 10);
  EXPECT_EQ(pixel(201, 150), 11);
  EXPECT_EQ(pixel(200, 151), 12);
  EXPECT_EQ(pixel(201, 151), 13);
  EXPECT_EQ(pixel(202, 150), 7);
  pack.draw(200, 160, 2);
  EXPECT_EQ(pixel(200, 160), 30);
  EXPECT_EQ(pixel(200, 161), 31);
}

TEST_F(SpritePackTest, index_255_is_transparent_and_0_is_drawn) {
  writeFile("grim/t.idx", "1 3 1");
  writeFile("grim/t.res", std::string("\xFF\x00\xFF", 3));
  SpritePack pack;
  ASSERT_EQ(pack.load("t"), gfx::PackLoad::kLoaded);
  pack.draw(300, 200, 0);
  EXPECT_EQ(pixel(300, 200), 7);
  EXPECT_EQ(pixel(301, 200), 0);
  EXPECT_EQ(pixel(302, 200), 7);
}

TEST_F(SpritePackTest, empty_and_missing_frames_draw_nothing) {
  writeFile("grim/zero.idx", "0");
  writeFile("grim/zero.res", "");
  SpritePack empty;
  EXPECT_EQ(empty.load("zero"), gfx::PackLoad::kLoaded);
  EXPECT_EQ(empty.frameCount, 0);
  writeFile("grim/flat.idx", "2 0 5 4 0");
  writeFile("grim/flat.res", "x");
  SpritePack flat;
  EXPECT_EQ(flat.load("flat"), gfx::PackLoad::kLoaded);
  writeThreeFramePack();
  SpritePack three;
  ASSERT_EQ(three.load("three"), gfx::PackLoad::kLoaded);
  for (int frame : {0, 1, 3, 49}) empty.draw(200, 200, frame);
  for (int frame : {0, 1}) flat.draw(200, 200, frame);
  // Frames past frameCount are empty slots; numbers outside the 50 slots are refused.
  for (int frame : {3, 49, 50, -1, 1000000}) three.draw(200, 200, frame);
  for (int y = 190; y < 215; ++y)
    for (int x = 190; x < 215; ++x) ASSERT_EQ(pixel(x, y), 7) << x << "," << y;
  EXPECT_EQ(three.width(50), 0);
  EXPECT_EQ(three.height(-1), 0);
}

TEST_F(SpritePackTest, missing_files_give_1) {
  SpritePack pack;
  EXPECT_EQ(pack.load("nothing"), gfx::PackLoad::kFileMissing);
  EXPECT_EQ(pack.pixels[0], nullptr);
  writeFile("grim/half.idx", "1 1 1");
  EXPECT_EQ(pack.load("half"), gfx::PackLoad::kFileMissing);
  EXPECT_EQ(pack.pixels[0], nullptr);
}

TEST_F(SpritePackTest, pixels_that_run_out_keep_the_frames_before) {
  writeFile("grim/short.idx", "3 2 2 2 2 2 2");
  // Frame 0 complete, frame 1 cut short (kept), frame 2 finds no byte.
  writeFile("grim/short.res", std::string("\x01\x02\x03\x04\x05", 5));
  SpritePack pack;
  EXPECT_EQ(pack.load("short"), gfx::PackLoad::kPixelsEnded);
  EXPECT_EQ(pack.frameCount, 3);
  EXPECT_EQ(pack.width(1), 2);
  EXPECT_EQ(pack.pixels[1][0], 5);
  // The three pixels the file did not have are transparent: only the first is drawn.
  EXPECT_EQ(pack.pixels[1][1], gfx::kTransparent);
  EXPECT_EQ(pack.pixels[1][3], gfx::kTransparent);
  pack.draw(100, 50, 1);
  EXPECT_EQ(pixel(100, 50), 5);
  EXPECT_EQ(pixel(101, 50), 7);
  EXPECT_EQ(pixel(100, 51), 7);
  EXPECT_EQ(pack.pixels[2], nullptr);
  EXPECT_EQ(pack.width(2), 0);
  EXPECT_EQ(pack.height(2), 0);
}

TEST_F(SpritePackTest, a_negative_size_gives_2_and_keeps_the_frames_before) {
  writeFile("grim/neg.idx", "2 1 1 -4 2");
  writeFile("grim/neg.res", "abcdefgh");
  SpritePack negative;
  EXPECT_EQ(negative.load("neg"), gfx::PackLoad::kNoPixelMemory);
  EXPECT_EQ(negative.width(0), 1);
  EXPECT_EQ(negative.pixels[1], nullptr);
}

// Checked from the whole index before a byte of pixels is read: the small frame before the
// large one is not loaded either, and the pack is left as a missing pack leaves it.
TEST_F(SpritePackTest, a_frame_larger_than_the_page_refuses_the_pack_from_its_index) {
  const std::string w = std::to_string(common::kMaxFrameWidth);
  const std::string h = std::to_string(common::kMaxFrameHeight);
  for (const std::string& large :
       {std::to_string(common::kMaxFrameWidth + 1) + " 1",
        "1 " + std::to_string(common::kMaxFrameHeight + 1), std::string("100000 100000")}) {
    SCOPED_TRACE(large);
    writeFile("grim/big.idx", "3 1 1 " + large + " 1 1");
    writeFile("grim/big.res", "abc");
    SpritePack big;
    EXPECT_EQ(big.load("big"), gfx::PackLoad::kOverBounds);
    EXPECT_EQ(big.pixels[0], nullptr);
    EXPECT_EQ(big.width(0), 0);
    EXPECT_EQ(big.frameCount, 0);
    ASSERT_FALSE(platform::dataWarnings().list.empty());
    EXPECT_EQ(platform::dataWarnings().list.back().file, "grim\\big.idx");
  }
  // A frame as large as the page is drawn whole, and loads.
  writeFile("grim/page.idx", "1 " + w + " " + h);
  writeFile("grim/page.res", "a");
  SpritePack page;
  EXPECT_EQ(page.load("page"), gfx::PackLoad::kLoaded);
  EXPECT_EQ(page.width(0), common::kMaxFrameWidth);
}

// Packs of 50 frames as large as the page, with one byte of pixels each: the index alone counts.
TEST_F(SpritePackTest, the_packs_of_one_sharing_scope_keep_within_the_map_budget) {
  std::string index = std::to_string(gfx::kPackFrames);
  for (int i = 0; i < gfx::kPackFrames; ++i)
    index += " " + std::to_string(common::kMaxFrameWidth) + " " +
             std::to_string(common::kMaxFrameHeight);
  const size_t packBytes =
      size_t(gfx::kPackFrames) * common::kMaxFrameWidth * common::kMaxFrameHeight;
  const int fit = int(common::kMapPackBudget / packBytes);
  ASSERT_GT(fit, 0);
  for (int p = 0; p <= fit; ++p) {
    writeFile("grim/full" + std::to_string(p) + ".idx", index);
    writeFile("grim/full" + std::to_string(p) + ".res", "a");
  }
  std::vector<SpritePack> packs(size_t(fit) + 2);
  {
    const gfx::PackSharing sharing;
    for (int p = 0; p < fit; ++p)
      EXPECT_NE(packs[size_t(p)].load(("full" + std::to_string(p)).c_str()),
                gfx::PackLoad::kOverBounds);
    EXPECT_EQ(packs[size_t(fit)].load(("full" + std::to_string(fit)).c_str()),
              gfx::PackLoad::kOverBounds);
    EXPECT_EQ(packs[size_t(fit)].frameCount, 0);
    // A pack already read is shared, not counted again.
    EXPECT_NE(packs[size_t(fit) + 1].load("full0"), gfx::PackLoad::kOverBounds);
  }
  // The budget is the map's: outside the scope the same pack loads.
  SpritePack alone;
  EXPECT_NE(alone.load(("full" + std::to_string(fit)).c_str()), gfx::PackLoad::kOverBounds);
}

TEST_F(SpritePackTest, more_than_50_frames_are_cut_to_50) {
  std::string index = "60";
  for (int i = 0; i < 60; ++i) index += " 1 1";
  writeFile("grim/many.idx", index);
  writeFile("grim/many.res", std::string(60, 'x'));
  SpritePack pack;
  EXPECT_EQ(pack.load("many"), gfx::PackLoad::kLoaded);
  EXPECT_EQ(pack.frameCount, 50);
  EXPECT_EQ(pack.width(49), 1);
}

TEST_F(SpritePackTest, frames_beyond_the_page_are_cut_at_its_edges) {
  writeFile("grim/wide.idx", "1 20 2");
  writeFile("grim/wide.res", std::string(40, '\x09'));
  SpritePack pack;
  ASSERT_EQ(pack.load("wide"), gfx::PackLoad::kLoaded);
  pack.draw(630, 478, 0);
  pack.draw(-15, 100, 0);
  EXPECT_EQ(pixel(639, 479), 9);
  EXPECT_EQ(pixel(630, 478), 9);
  EXPECT_EQ(pixel(629, 478), 7);
  EXPECT_EQ(pixel(4, 100), 9);
  EXPECT_EQ(pixel(5, 100), 7);
  // Rows lie back to back: a frame running off the right edge must not reach the next row.
  EXPECT_EQ(pixel(0, 479), 7);
  EXPECT_EQ(pixel(639, 99), 7);
}

TEST_F(SpritePackTest, packs_loaded_in_one_sharing_scope_read_their_files_once) {
  writeThreeFramePack();
  SpritePack first, second, missing, later;
  {
    const gfx::PackSharing sharing;
    ASSERT_EQ(first.load("three"), gfx::PackLoad::kLoaded);
    writeFile("grim/three.res", std::string(9, '\x05'));  // not read again inside the scope
    ASSERT_EQ(second.load("three"), gfx::PackLoad::kLoaded);
    EXPECT_EQ(missing.load("nothing"), gfx::PackLoad::kFileMissing);
  }
  EXPECT_EQ(second.pixels[0], first.pixels[0]);
  EXPECT_EQ(second.frameCount, 3);
  EXPECT_EQ(second.width(1), 3);
  EXPECT_EQ(missing.frameCount, 0);
  // The frames outlive the scope and either pack's release.
  first.release();
  second.draw(100, 100, 0);
  EXPECT_EQ(pixel(101, 101), 0x0D);
  // Outside a scope every load reads the files.
  ASSERT_EQ(later.load("three"), gfx::PackLoad::kLoaded);
  later.draw(200, 200, 0);
  EXPECT_EQ(pixel(200, 200), 5);
}

// Shared by the files named, not by the name: "./three" and a second link to the same files
// are the same pack; a copy of its files is not.
TEST_F(SpritePackTest, names_of_the_same_files_share_one_reading) {
  writeThreeFramePack();
  std::filesystem::create_hard_link("grim/three.idx", "grim/linked.idx");
  std::filesystem::create_hard_link("grim/three.res", "grim/linked.res");
  std::filesystem::copy_file("grim/three.idx", "grim/copy.idx");
  std::filesystem::copy_file("grim/three.res", "grim/copy.res");
  const gfx::PackSharing sharing;
  SpritePack first, dotted, doubled, linked, copy;
  ASSERT_EQ(first.load("three"), gfx::PackLoad::kLoaded);
  ASSERT_EQ(dotted.load("./three"), gfx::PackLoad::kLoaded);
  ASSERT_EQ(doubled.load(".//three"), gfx::PackLoad::kLoaded);
  ASSERT_EQ(linked.load("linked"), gfx::PackLoad::kLoaded);
  ASSERT_EQ(copy.load("copy"), gfx::PackLoad::kLoaded);
  EXPECT_EQ(dotted.pixels[0], first.pixels[0]);
  EXPECT_EQ(doubled.pixels[0], first.pixels[0]);
  EXPECT_EQ(linked.pixels[0], first.pixels[0]);
  EXPECT_NE(copy.pixels[0], first.pixels[0]);
}

TEST_F(SpritePackTest, release_empties_every_slot) {
  writeThreeFramePack();
  SpritePack pack;
  ASSERT_EQ(pack.load("three"), gfx::PackLoad::kLoaded);
  pack.release();
  EXPECT_EQ(pack.pixels[0], nullptr);
  EXPECT_EQ(pack.width(0), 0);
  pack.draw(200, 200, 0);
  EXPECT_EQ(pixel(200, 200), 7);
}

}  // namespace
