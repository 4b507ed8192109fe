// pack_tools_test.cpp -- sprite pack files, their PNG sheets, png2pack and pack2png
#include <gtest/gtest.h>

#include <random>

#include "common/pack_sheet.h"
#include "common/palette_file.h"
#include "common/png_image.h"
#include "common/sprite_pack_file.h"
#include "gfx/sprite_pack.h"
#include "support/engine_fixture.h"
#include "tools/run_tool.h"

namespace {

using testing_support::EngineTest;
using testing_support::readFile;
using testing_support::writeFile;
using tools::PackFrame;
using tools::Palette;
using tools::Rgb;
using tools_testing::runTool;

Palette knownColours() {
  Palette p{};
  for (int i = 0; i < 256; ++i) p[size_t(i)] = Rgb{uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)};
  return p;
}

PackFrame frame(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  PackFrame f{width, height, {}};
  // Mostly a few colours and transparency, as sprites are.
  for (int i = 0; i < width * height; ++i)
    f.pixels.push_back(uint8_t(random() % 3 == 0 ? 255 : 10 + random() % 20));
  return f;
}

// Frames of their own sizes, empty ones among them.
std::vector<PackFrame> someFrames() {
  return {frame(5, 7, 1),  frame(0, 0, 2), frame(3, 1, 3),
          frame(12, 9, 4), frame(0, 4, 5), frame(1, 1, 6)};
}

bool sameFrames(const std::vector<PackFrame>& a, const std::vector<PackFrame>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].width != b[i].width || a[i].height != b[i].height || a[i].pixels != b[i].pixels)
      return false;
  return true;
}

common::RgbaImage readSheet(const std::string& path) {
  common::RgbaImage image;
  std::string error;
  EXPECT_TRUE(common::readPng(path, image, error)) << error;
  return image;
}

class PackToolsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    writeFile("pal.pal", testing_support::knownPalette());
  }
};

TEST(PackIndex, IsTheCountThenASizeALineWithCrLf) {
  EXPECT_EQ(tools::formatPackIndex(someFrames()),
            "6\r\n5 7\r\n0 0\r\n3 1\r\n12 9\r\n0 4\r\n1 1\r\n");
  std::vector<PackFrame> frames;
  std::string warning, error;
  ASSERT_TRUE(tools::parsePackIndex("2\n\t3   4 \r\n5\n6\n", "a.idx", frames, warning, error));
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[1].width, 5);
  EXPECT_EQ(frames[1].height, 6);
  EXPECT_EQ(warning, "");
  ASSERT_TRUE(tools::parsePackIndex("1 2 2\n7 7\n", "a.idx", frames, warning, error));
  EXPECT_EQ(warning, "a.idx:2: numbers after the last frame are not read");
}

TEST(PackIndex, NamesTheFileAndLineOfAMistake) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"", "a.idx: empty; an index starts with the frame count"},
      {"\n51\n", "a.idx:2: 51 frames; a pack holds 0 to 50"},
      {"-1", "a.idx:1: -1 frames; a pack holds 0 to 50"},
      {"2\n3 4\n5 x\n", "a.idx:3: 'x' is not a number"},
      {"3\n3 4\n5 6\n", "a.idx: names 3 frames but gives 2 whole sizes"},
      {"2\n3 4\n641 6\n",
       "a.idx:3: frame 1 is 641 x 6; a frame must fit the game's 640 x 480 page"},
      {"1\n3 -4\n", "a.idx:2: frame 0 is 3 x -4; a frame must fit the game's 640 x 480 page"},
  };
  for (const Case& c : cases) {
    std::vector<PackFrame> frames;
    std::string warning, error;
    EXPECT_FALSE(tools::parsePackIndex(c.text, "a.idx", frames, warning, error)) << c.text;
    EXPECT_EQ(error, c.message);
  }
}

TEST_F(PackToolsTest, PackFilesNeedEveryFrameAndTellOfBytesLeftOver) {
  const std::vector<PackFrame> frames = someFrames();
  std::string error, warning;
  ASSERT_TRUE(tools::writeSpritePack("p", frames, error)) << error;
  std::vector<PackFrame> back;
  ASSERT_TRUE(tools::readSpritePack(tools::packStem("p.res"), back, warning, error)) << error;
  EXPECT_TRUE(sameFrames(back, frames));
  EXPECT_EQ(warning, "");
  const std::string pixels = readFile("p.res");
  writeFile("p.res", pixels + "xyz");
  ASSERT_TRUE(tools::readSpritePack("p", back, warning, error));
  EXPECT_EQ(warning, "p.res: 3 bytes after the last frame are not read");
  writeFile("p.res", pixels.substr(0, pixels.size() - 1));
  EXPECT_FALSE(tools::readSpritePack("p", back, warning, error));
  EXPECT_EQ(error, "p.res is 146 bytes; the frames need 147 (it ends in frame 5)");
}

TEST_F(PackToolsTest, SheetGivesBackTheSameFrames) {
  const std::vector<PackFrame> frames = someFrames();
  const Palette p = knownColours();
  std::string note, error;
  ASSERT_TRUE(tools::writePackSheet("s.png", frames, p, tools::kDefaultGuide, note, error));
  EXPECT_EQ(note, "");
  const common::RgbaImage sheet = readSheet("s.png");
  // Boxes of the frame sizes plus 2, one column apart; as high as the highest box.
  EXPECT_EQ(sheet.width, 7 + 1 + 2 + 1 + 5 + 1 + 14 + 1 + 2 + 1 + 3);
  EXPECT_EQ(sheet.height, 11);
  EXPECT_FALSE(sheet.indices.empty());  // palettized, so indices come back as they were
  std::vector<tools::FrameBox> boxes;
  ASSERT_TRUE(tools::findFrameBoxes(sheet, tools::kDefaultGuide, boxes, error)) << error;
  ASSERT_EQ(boxes.size(), 6u);
  EXPECT_EQ(boxes[3].left, 7 + 1 + 2 + 1 + 5 + 1 + 1);
  EXPECT_EQ(boxes[3].width, 12);
  EXPECT_EQ(boxes[3].height, 9);
  std::vector<PackFrame> back;
  tools::MappingCounts counts;
  ASSERT_TRUE(tools::framesFromSheet(sheet, p, tools::kDefaultGuide, back, counts, error));
  EXPECT_TRUE(sameFrames(back, frames));
  EXPECT_EQ(counts.nearest, 0u);
}

TEST_F(PackToolsTest, SheetOfFramesUsingEveryEntryIsTrueColourAndStillComesBack) {
  PackFrame all{255, 1, {}};
  for (int i = 0; i < 255; ++i) all.pixels.push_back(uint8_t(i));
  const std::vector<PackFrame> frames = {all, frame(2, 2, 9)};
  std::string note, error;
  const Rgb guide{1, 2, 3};  // no entry's colour
  ASSERT_TRUE(tools::writePackSheet("s.png", frames, knownColours(), guide, note, error));
  EXPECT_NE(note.find("true colour"), std::string::npos);
  const common::RgbaImage sheet = readSheet("s.png");
  EXPECT_TRUE(sheet.indices.empty());
  std::vector<PackFrame> back;
  tools::MappingCounts counts;
  ASSERT_TRUE(tools::framesFromSheet(sheet, knownColours(), guide, back, counts, error)) << error;
  EXPECT_TRUE(sameFrames(back, frames));
}

TEST(SheetBoxes, SayWhereABoxIsBroken) {
  // Two boxes for 2 x 1 frames at columns 0 and 5, drawn in guide colour G on clear ground.
  const char* rows[] = {
      "GGGG.GGGG",
      "G..G.G..G",
      "GGGG.GGGG",
  };
  auto sheetOf = [](const std::vector<std::string>& lines) {
    common::RgbaImage image;
    image.width = int(lines[0].size());
    image.height = int(lines.size());
    for (const std::string& line : lines)
      for (char c : line)
        image.rgba.insert(image.rgba.end(),
                          {uint8_t(c == 'G' ? 255 : 9), 0, uint8_t(c == 'G' ? 255 : 9),
                           uint8_t(c == '.' ? 0 : 255)});
    return image;
  };
  std::vector<tools::FrameBox> boxes;
  std::string error;
  ASSERT_TRUE(tools::findFrameBoxes(sheetOf({rows[0], rows[1], rows[2]}), tools::kDefaultGuide,
                                    boxes, error));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].left, 6);
  struct Case {
    std::vector<std::string> lines;
    const char* message;
  } cases[] = {
      {{"GGGG.GGGG", "G..G.G...", "GGGG.GGGG"}, "the box at (5, 0) is open on the right at (8, 1)"},
      {{"GGGG.GGGG", "G..G.G..G", "GGGG.GG.G"},
       "the box at (5, 0) is open at the bottom at (7, 2)"},
      {{"GGGG.G...", "G..G.....", "GGGG....."}, "the guide pixel at (5, 0) is alone"},
      {{"GGGG.GGGG", "G..G.....", "GGGG....."}, "the box at (5, 0) has no left edge"},
      {{".........", "GGGG.....", "G..G....."}, "no frame boxes of the guide colour #ff00ff"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(tools::findFrameBoxes(sheetOf(c.lines), tools::kDefaultGuide, boxes, error));
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
  }
}

TEST_F(PackToolsTest, Png2packWritesAPackThatTheGameLoads) {
  const std::vector<PackFrame> frames = someFrames();
  std::string note, error;
  ASSERT_TRUE(
      tools::writePackSheet("s.png", frames, knownColours(), tools::kDefaultGuide, note, error));
  std::string output;
  ASSERT_EQ(runTool("png2pack", {"--palette", "pal.pal", "s.png", "grim/HERO"}, &output), 0)
      << output;
  EXPECT_NE(output.find("6 frames"), std::string::npos);
  EXPECT_NE(output.find("0 of 147 pixels were not in the palette"), std::string::npos) << output;
  EXPECT_EQ(readFile("grim/HERO.idx"), tools::formatPackIndex(frames));
  gfx::SpritePack pack;
  ASSERT_EQ(pack.load("HERO"), gfx::PackLoad::kLoaded);
  ASSERT_EQ(pack.frameCount, 6);
  for (int i = 0; i < 6; ++i) {
    const PackFrame& f = frames[size_t(i)];
    ASSERT_EQ(pack.widths[i], f.width);
    ASSERT_EQ(pack.heights[i], f.height);
    for (int y = 0; y < f.height; ++y)
      for (int x = 0; x < f.width; ++x)
        ASSERT_EQ(pack.rows[i][y][x], f.pixels[size_t(y * f.width + x)]) << i;
  }
  // And back to a sheet, with a guide colour of the author's choice.
  ASSERT_EQ(runTool("pack2png",
                    {"--palette", "pal.pal", "--guide", "#00ff00", "grim/HERO.idx", "again.png"},
                    &output),
            0)
      << output;
  std::vector<PackFrame> back;
  tools::MappingCounts counts;
  ASSERT_TRUE(tools::framesFromSheet(readSheet("again.png"), knownColours(), Rgb{0, 255, 0}, back,
                                     counts, error))
      << error;
  EXPECT_TRUE(sameFrames(back, frames));
}

TEST_F(PackToolsTest, RefusesBadInputWithStatus2AndAMessage) {
  std::vector<PackFrame> many(51, frame(1, 1, 1));
  std::string note, error;
  ASSERT_TRUE(
      tools::writePackSheet("many.png", many, knownColours(), tools::kDefaultGuide, note, error));
  writeFile("nores.idx", "1\r\n2 2\r\n");
  writeFile("short.idx", "1\r\n2 2\r\n");
  writeFile("short.res", "abc");
  writeFile("zero.idx", "0\r\n");
  writeFile("zero.res", "");
  struct Case {
    const char* tool;
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {"png2pack",
       {"--palette", "pal.pal", "many.png", "out"},
       "png2pack: many.png: 51 frame boxes; a pack holds at most 50"},
      {"png2pack",
       {"--palette", "pal.pal", "--guide", "#12345", "many.png", "out"},
       "--guide takes a colour as #rrggbb"},
      {"png2pack",
       {"--palette", "pal.pal", "--guide", "#123456", "many.png", "out"},
       "no frame boxes of the guide colour #123456 on the top row"},
      {"pack2png", {"--palette", "pal.pal", "nores", "x.png"}, "cannot open nores.res"},
      {"pack2png",
       {"--palette", "pal.pal", "short", "x.png"},
       "short.res is 3 bytes; the frame needs 4 (it ends in frame 0)"},
      {"pack2png", {"--palette", "pal.pal", "zero.idx", "x.png"}, "zero.idx names no frames"},
  };
  for (const Case& c : cases) {
    std::string output;
    EXPECT_EQ(runTool(c.tool, c.args, &output), 2) << c.message;
    EXPECT_NE(output.find(c.message), std::string::npos) << output;
  }
  EXPECT_FALSE(std::filesystem::exists("out.idx"));
  EXPECT_FALSE(std::filesystem::exists("x.png"));
  std::string help;
  ASSERT_EQ(runTool("png2pack", {"--help"}, &help), 0);
  EXPECT_NE(help.find("guide colour"), std::string::npos);
}

}  // namespace
