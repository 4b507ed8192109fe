// picture_tools_test.cpp -- raw pictures to and from PNG: kinds, colours, transparency
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <random>

#include "common/palette_file.h"
#include "common/pixel_mapping.h"
#include "common/png_image.h"
#include "common/raw_picture.h"
#include "support/engine_fixture.h"
#include "tools/run_tool.h"

namespace {

using testing_support::EngineTest;
using testing_support::readFile;
using testing_support::writeFile;
using tools::Palette;
using tools::Rgb;
using tools_testing::runTool;

// Entry i is (i, 255 - i, i / 2): every colour distinct; the file holds no mixing table's
// worth of interest, only its length matters to the tools.
Palette knownColours() {
  Palette p{};
  for (int i = 0; i < 256; ++i) p[size_t(i)] = Rgb{uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)};
  return p;
}

std::string randomBytes(size_t n, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(n, '\0');
  for (char& b : bytes) b = char(random() % 256);
  return bytes;
}

common::RgbaImage rgbaImage(int width, int height, const std::vector<uint8_t>& rgba) {
  common::RgbaImage image;
  image.width = width;
  image.height = height;
  image.rgba = rgba;
  return image;
}

class PictureToolsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    writeFile("pal.pal", testing_support::knownPalette());
  }
};

TEST(PictureKinds, AreToldFromThePictureOrTheFileLength) {
  EXPECT_STREQ(tools::kindOfPicture(800, 240)->name, "far");
  EXPECT_STREQ(tools::kindOfPicture(1280, 177)->name, "map");
  EXPECT_STREQ(tools::kindOfPicture(640, 480)->name, "cutscene");
  EXPECT_STREQ(tools::kindOfPicture(320, 63)->name, "bar");
  EXPECT_EQ(tools::kindOfPicture(800, 241), nullptr);
  EXPECT_STREQ(tools::kindOfRawFile(192000)->name, "far");
  EXPECT_STREQ(tools::kindOfRawFile(226560)->name, "map");
  EXPECT_STREQ(tools::kindOfRawFile(307200)->name, "cutscene");
  EXPECT_EQ(tools::kindOfRawFile(20160), nullptr);  // a bar must be named
  EXPECT_TRUE(tools::findPictureKind("map")->transparent);
  EXPECT_FALSE(tools::findPictureKind("far")->transparent);
  EXPECT_EQ(tools::pictureSizeProblem(*tools::findPictureKind("map"), 1280, 176),
            "is 1280 x 176; a map picture is 1280 x 177");
  EXPECT_EQ(tools::pictureSizeProblem(*tools::findPictureKind("bar"), 321, 63),
            "is 321 x 63; a status bar is 320 pixels wide");
  EXPECT_EQ(tools::pictureSizeProblem(*tools::findPictureKind("bar"), 320, 5), "");
}

TEST(PixelMapping, ExactColoursNearestColoursAndTransparency) {
  const Palette p = knownColours();
  const common::RgbaImage image = rgbaImage(6, 1,
                                            {
                                                10,  245, 5,   255,  // entry 10 exactly
                                                11,  245, 5,   255,  // near 10
                                                0,   0,   0,   0,    // transparent
                                                200, 55,  100, 127,  // transparent
                                                200, 55,  100, 128,  // entry 200
                                                200, 55,  101, 255,  // near 200
                                            });
  tools::PixelMapper mapper(p, image);
  EXPECT_EQ(tools::mapPixels(mapper, 0, 0, 6, 1),
            (std::vector<uint8_t>{10, 10, 255, 255, 200, 200}));
  EXPECT_EQ(mapper.counts().pixels, 6u);
  EXPECT_EQ(mapper.counts().nearest, 2u);
  EXPECT_EQ(mapper.counts().transparent, 2u);
}

TEST(PixelMapping, KeepsAPalettizedIndexOnlyWhereItsColourIsTheEntrysOwn) {
  Palette p = knownColours();
  p[7] = p[3];  // two entries of one colour: the PNG's index tells them apart
  common::RgbaImage image = rgbaImage(4, 1, {});
  image.palette = tools::shownPaletteBytes(p);
  image.palette[3 * 9] ^= 0x40;  // the PNG's entry 9 is another colour than the palette's
  image.indices = {7, 3, 9, 255};
  for (uint8_t k : image.indices)
    image.rgba.insert(image.rgba.end(), {image.palette[3u * k], image.palette[3u * k + 1],
                                         image.palette[3u * k + 2], 255});
  tools::PixelMapper mapper(p, image);
  const std::vector<uint8_t> indices = tools::mapPixels(mapper, 0, 0, 4, 1);
  EXPECT_EQ(indices[0], 7);
  EXPECT_EQ(indices[1], 3);
  EXPECT_NE(indices[2], 9);    // mapped by its colour instead
  EXPECT_EQ(indices[3], 255);  // shown black, opaque: kept as it is
  EXPECT_EQ(mapper.counts().transparent, 0u);
}

TEST_F(PictureToolsTest, MapPictureComesBackExactlyThroughPng) {
  const std::string raw = randomBytes(1280 * 177, 1);  // 255 included, about 900 times
  writeFile("m.res", raw);
  std::string output;
  ASSERT_EQ(runTool("res2png", {"--palette", "pal.pal", "m.res", "m.png"}, &output), 0) << output;
  EXPECT_NE(output.find("a map picture of 1280 x 177 with index 255 transparent"),
            std::string::npos);
  common::RgbaImage png;
  std::string error;
  ASSERT_TRUE(common::readPng("m.png", png, error)) << error;
  ASSERT_EQ(png.indices.size(), raw.size());
  EXPECT_EQ(std::string(png.indices.begin(), png.indices.end()), raw);
  const size_t transparent = size_t(std::count(raw.begin(), raw.end(), '\xff'));
  for (size_t i = 0; i < raw.size(); ++i)
    ASSERT_EQ(png.rgba[4 * i + 3], raw[i] == '\xff' ? 0 : 255) << i;
  ASSERT_EQ(runTool("png2res", {"--palette", "pal.pal", "m.png", "back.res"}, &output), 0);
  EXPECT_EQ(readFile("back.res"), raw);
  EXPECT_NE(output.find("0 of 226560 pixels were not in the palette"), std::string::npos);
  EXPECT_NE(output.find(std::to_string(transparent) + " transparent pixels became index 255\n"),
            std::string::npos)
      << output;
}

TEST_F(PictureToolsTest, PngComesBackExactlyThroughRes) {
  // A status bar drawn with the palette's colours, index 255 included (opaque, black).
  const Palette p = knownColours();
  std::vector<uint8_t> indices(320 * 63);
  for (size_t i = 0; i < indices.size(); ++i) indices[i] = uint8_t(i * 7 % 256);
  std::string error;
  ASSERT_TRUE(
      common::writeIndexedPng("bar.png", 320, 63, indices, tools::shownPaletteBytes(p), error));
  ASSERT_EQ(runTool("png2res", {"--palette", "pal.pal", "bar.png", "bar.res"}), 0);
  EXPECT_EQ(readFile("bar.res"), std::string(indices.begin(), indices.end()));
  std::string output;
  ASSERT_EQ(
      runTool("res2png", {"--palette", "pal.pal", "--kind", "bar", "bar.res", "b2.png"}, &output),
      0)
      << output;
  common::RgbaImage a, b;
  ASSERT_TRUE(common::readPng("bar.png", a, error));
  ASSERT_TRUE(common::readPng("b2.png", b, error));
  EXPECT_EQ(a.indices, b.indices);
  EXPECT_EQ(a.palette, b.palette);
  EXPECT_EQ(a.rgba, b.rgba);  // no transparency in a bar
}

TEST_F(PictureToolsTest, CountsTheColoursThatTookTheNearestEntry) {
  // A far layer in true colour: every pixel entry 40's colour, 300 of them one step off.
  const Palette p = knownColours();
  std::vector<uint8_t> rgba;
  for (int i = 0; i < 800 * 240; ++i) {
    const Rgb c = p[40];
    rgba.insert(rgba.end(), {uint8_t(c.r + (i % 640 == 0)), c.g, c.b, 255});
  }
  std::string error;
  ASSERT_TRUE(common::writeRgbaPng("far.png", 800, 240, rgba, error));
  std::string output;
  ASSERT_EQ(runTool("png2res", {"--palette", "pal.pal", "far.png", "far.res"}, &output), 0);
  EXPECT_NE(output.find("a far background layer of 800 x 240"), std::string::npos) << output;
  EXPECT_NE(output.find("300 of 192000 pixels were not in the palette and took the nearest"),
            std::string::npos)
      << output;
  EXPECT_EQ(readFile("far.res"), std::string(192000, char(40)));
}

TEST_F(PictureToolsTest, RefusesWrongSizesWithStatus2AndAMessage) {
  std::string error;
  ASSERT_TRUE(common::writeRgbaPng("short.png", 1280, 176,
                                   std::vector<uint8_t>(1280 * 176 * 4, 255), error));
  writeFile("odd.res", std::string(1000, '\0'));
  writeFile("bar.res", std::string(20360, '\0'));
  writeFile("cut.res", std::string(640 * 480, '\0'));
  struct Case {
    const char* tool;
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {"png2res",
       {"--palette", "pal.pal", "--kind", "map", "short.png", "x.res"},
       "png2res: short.png is 1280 x 176; a map picture is 1280 x 177"},
      {"png2res",
       {"--palette", "pal.pal", "short.png", "x.res"},
       "short.png is 1280 x 176, the size of no picture kind"},
      {"png2res",
       {"--palette", "pal.pal", "--size", "10x10", "short.png", "x.res"},
       "a picture of the size given is 10 x 10"},
      {"png2res",
       {"--palette", "pal.pal", "--kind", "tiles", "short.png", "x.res"},
       "unknown kind 'tiles'"},
      {"png2res", {"--palette", "missing.pal", "short.png", "x.res"}, "cannot open missing.pal"},
      {"png2res", {"short.png", "x.res"}, "--palette is required"},
      {"png2res", {"--palette", "pal.pal", "missing.png", "x.res"}, "cannot open missing.png"},
      {"res2png",
       {"--palette", "pal.pal", "odd.res", "x.png"},
       "odd.res is 1000 bytes, the length of no fixed picture kind"},
      {"res2png",
       {"--palette", "pal.pal", "--kind", "map", "cut.res", "x.png"},
       "cut.res is 307200 bytes; a map picture of 1280 x 177 is 226560 bytes"},
      {"res2png",
       {"--palette", "pal.pal", "--kind", "far", "--size", "2x2", "cut.res", "x.png"},
       "give --kind or --size, not both"},
  };
  for (const Case& c : cases) {
    std::string output;
    EXPECT_EQ(runTool(c.tool, c.args, &output), 2) << c.message;
    EXPECT_NE(output.find(c.message), std::string::npos) << output;
  }
  EXPECT_FALSE(std::filesystem::exists("x.res"));
  EXPECT_FALSE(std::filesystem::exists("x.png"));

  // The game's own bar files hold a part row after 63 rows: it is left out, with a word.
  std::string output;
  ASSERT_EQ(
      runTool("res2png", {"--palette", "pal.pal", "--kind", "bar", "bar.res", "b.png"}, &output),
      0);
  EXPECT_NE(output.find("the last 200 bytes of bar.res are not a whole row"), std::string::npos);
  EXPECT_NE(output.find("a status bar of 320 x 63"), std::string::npos);
}

// An interlaced 4-bit palettized PNG, as some editors save them.
void writeInterlacedFourBitPng(const char* path, int width, int height,
                               const std::vector<uint8_t>& indices) {
  FILE* f = std::fopen(path, "wb");
  ASSERT_NE(f, nullptr);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 4, PNG_COLOR_TYPE_PALETTE,
               PNG_INTERLACE_ADAM7, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_color colours[16];
  for (int i = 0; i < 16; ++i) colours[i] = png_color{uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)};
  png_set_PLTE(png, info, colours, 16);
  png_write_info(png, info);
  png_set_packing(png);
  std::vector<png_bytep> rows;
  std::vector<uint8_t> copy = indices;
  for (int y = 0; y < height; ++y) rows.push_back(copy.data() + size_t(y) * size_t(width));
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);
}

TEST_F(PictureToolsTest, ReadsInterlacedLowDepthPalettizedPngs) {
  std::vector<uint8_t> indices(320 * 9);
  for (size_t i = 0; i < indices.size(); ++i) indices[i] = uint8_t((i * 5 + i / 320) % 16);
  writeInterlacedFourBitPng("i.png", 320, 9, indices);
  common::RgbaImage image;
  std::string error;
  ASSERT_TRUE(common::readPng("i.png", image, error)) << error;
  EXPECT_EQ(image.indices, indices);
  ASSERT_EQ(runTool("png2res", {"--palette", "pal.pal", "i.png", "i.res"}), 0);
  EXPECT_EQ(readFile("i.res"), std::string(indices.begin(), indices.end()));
}

}  // namespace
