// palette_tools_test.cpp -- colour lists, palette PNGs, the mixing table and mkpal
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "common/colour_list.h"
#include "common/mix_table.h"
#include "common/nearest_colour.h"
#include "common/palette_file.h"
#include "common/palette_png.h"
#include "common/png_image.h"
#include "display/palette.h"
#include "support/engine_fixture.h"
#include "tools/run_tool.h"

namespace {

using testing_support::EngineTest;
using testing_support::readFile;
using testing_support::writeFile;
using tools::Palette;
using tools::Rgb;
using tools_testing::runTool;

// Distinct colours everywhere, no black among 0..254, entry 255 white in the file.
Palette randomPalette(unsigned seed) {
  std::mt19937 random(seed);
  Palette p{};
  for (int i = 0; i < 256; ++i)
    p[size_t(i)] = Rgb{uint8_t(random() % 256), uint8_t(random() % 256), uint8_t(1 + i % 250)};
  p[255] = Rgb{255, 255, 255};
  return p;
}

int mix(const std::vector<uint8_t>& table, int a, int b) {
  return table[size_t(a) * 256 + size_t(b)];
}

TEST(ColourList, ReadsEveryFormOfEntryAndFollowsOnFromTheLastIndex) {
  const std::string text =
      "# a palette\n"
      "#102030\n"            // 0
      "1 2 3   # comment\n"  // 1
      "10 #ABCDEF\n"         // 10
      "4 5 6\r\n"            // 11, CR LF tolerated
      "20 7 8 9\n"           // 20
      "ramp 30 34 #000000 255 0 100 #not-a-colour\n"
      "#comment #123456\n";
  tools::ColourList list;
  std::string error;
  ASSERT_TRUE(tools::parseColourList(text, "c.txt", list, error)) << error;
  EXPECT_EQ(list.colours[0], (Rgb{0x10, 0x20, 0x30}));
  EXPECT_EQ(list.colours[1], (Rgb{1, 2, 3}));
  EXPECT_EQ(list.colours[10], (Rgb{0xAB, 0xCD, 0xEF}));
  EXPECT_EQ(list.colours[11], (Rgb{4, 5, 6}));
  EXPECT_EQ(list.colours[20], (Rgb{7, 8, 9}));
  EXPECT_EQ(list.colours[30], (Rgb{0, 0, 0}));
  EXPECT_EQ(list.colours[31], (Rgb{64, 0, 25}));  // a quarter of the way, rounded
  EXPECT_EQ(list.colours[32], (Rgb{128, 0, 50}));
  EXPECT_EQ(list.colours[34], (Rgb{255, 0, 100}));
  EXPECT_EQ(list.lineOf[34], 7);
  EXPECT_EQ(list.given(), 10);
  EXPECT_EQ(list.colours[2], (Rgb{}));  // not given: black
}

TEST(ColourList, NamesTheFileAndLineOfAMistake) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"0 0 0\n1 2 300\n", "c.txt:2: '300' is not a blue value (0 to 255)"},
      {"5 #ffffff\n\n5 1 2 3\n", "c.txt:3: entry 5 is given twice (first on line 1)"},
      {"255 #ffffff\n#000000\n", "c.txt:2: more than 256 entries (the last is 255)"},
      {"256 1 2 3\n", "c.txt:1: '256' is not an entry index (0 to 255)"},
      {"#12345 # five digits\n", "c.txt:1: '#12345' is not #rrggbb"},
      {"1 2 3 4 5\n", "c.txt:1: unexpected '4'"},
      {"ramp 10 5 #000000 #ffffff\n", "c.txt:1: '5' is not the ramp's last entry (10 to 255)"},
      {"# nothing\n", "c.txt: no colours in the list"},
  };
  for (const Case& c : cases) {
    tools::ColourList list;
    std::string error;
    EXPECT_FALSE(tools::parseColourList(c.text, "c.txt", list, error)) << c.text;
    EXPECT_EQ(error, c.message);
  }
}

TEST(ColourList, WhatItPrintsReadsBackTheSame) {
  const Palette p = randomPalette(7);
  tools::ColourList list;
  std::string error;
  ASSERT_TRUE(tools::parseColourList(tools::formatColourList(p), "x", list, error)) << error;
  EXPECT_EQ(list.colours, p);
  EXPECT_EQ(list.given(), 256);
}

TEST(NearestColour, UsesTheRedmeanDistanceAndPrefersTheLowerIndexOnTies) {
  // Plain squared distance would pick entry 1 (64 against 81); redmean weighs blue more
  // than red in dark colours.
  Palette p{};
  p.fill(Rgb{255, 255, 255});
  p[0] = Rgb{19, 10, 10};
  p[1] = Rgb{10, 10, 18};
  int64_t distance = 0;
  EXPECT_EQ(tools::nearestEntry(p, 10, 10, 10, 1, &distance), 0);
  EXPECT_EQ(distance, tools::colourDistance(Rgb{19, 10, 10}, Rgb{10, 10, 10}));
  p[1] = p[0];
  EXPECT_EQ(tools::nearestEntry(p, 10, 10, 10, 1, nullptr), 0);
  // Entry 255 is no candidate even when it matches exactly.
  p[255] = Rgb{10, 10, 10};
  EXPECT_EQ(tools::nearestEntry(p, 10, 10, 10, 1, &distance), 0);
  EXPECT_GT(distance, 0);
}

TEST(MixTable, EntryIsTheEntryNearestToTheMeanOfTheTwoColours) {
  Palette p{};
  p.fill(Rgb{0, 0, 255});
  p[0] = Rgb{0, 0, 0};
  p[1] = Rgb{200, 100, 0};
  p[2] = Rgb{100, 50, 0};  // the mean of 0 and 1
  p[3] = Rgb{101, 51, 1};
  p[4] = Rgb{40, 40, 40};
  p[5] = Rgb{20, 20, 20};  // the mean of 0 and 4
  const std::vector<uint8_t> table = tools::buildMixTable(p);
  ASSERT_EQ(table.size(), 65536u);
  EXPECT_EQ(mix(table, 0, 1), 2);
  EXPECT_EQ(mix(table, 1, 0), 2);
  EXPECT_EQ(mix(table, 0, 4), 5);
  EXPECT_EQ(mix(table, 4, 4), 4);
  // The mean 20.5 of black and 41 is matched as it is, not rounded first: 21 and 20 are
  // equally near, and the lower index wins (rounding down would give 20).
  p[5] = Rgb{21, 21, 21};
  p[6] = Rgb{20, 20, 20};
  p[7] = Rgb{41, 41, 41};
  EXPECT_EQ(mix(tools::buildMixTable(p), 0, 7), 5);
  std::swap(p[5], p[6]);
  EXPECT_EQ(mix(tools::buildMixTable(p), 0, 7), 5);
}

TEST(MixTable, SymmetricAndKeepsEachColourUnderItself) {
  const Palette p = randomPalette(3);
  const std::vector<uint8_t> table = tools::buildMixTable(p);
  for (int a = 0; a < 256; ++a) {
    if (a < 255) {
      EXPECT_EQ(mix(table, a, a), a);
    }
    for (int b = 0; b < 256; b += 7) ASSERT_EQ(mix(table, a, b), mix(table, b, a));
  }
}

TEST(MixTable, WeightZeroKeepsThePageAndWeightHundredTakesTheLevel) {
  const Palette p = randomPalette(4);
  const std::vector<uint8_t> page = tools::buildMixTable(p, 0);
  const std::vector<uint8_t> level = tools::buildMixTable(p, 100);
  for (int a = 0; a < 255; a += 3)
    for (int b = 0; b < 255; b += 5) {
      ASSERT_EQ(mix(page, a, b), a);
      ASSERT_EQ(mix(level, a, b), b);
    }
}

TEST(MixTable, Entry255CountsAsBlackAndIsChosenOnlyForExactBlack) {
  Palette p = randomPalette(5);  // white in the file's entry 255, no black in 0..254
  std::vector<uint8_t> table = tools::buildMixTable(p, 100);
  EXPECT_EQ(mix(table, 0, 255), 255);  // the level's colour is black, and only 255 is black
  table = tools::buildMixTable(p);
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b)
      ASSERT_TRUE(mix(table, a, b) != 255 || (a == 255 && b == 255)) << a << " " << b;
  // Row 255 mixes with black, not with the file's white.
  const Rgb c = p[17];
  EXPECT_EQ(mix(table, 255, 17),
            tools::nearestEntry(p, c.r * 50, c.g * 50, c.b * 50, 100, nullptr));
  p[9] = Rgb{0, 0, 0};
  table = tools::buildMixTable(p);
  EXPECT_EQ(mix(table, 255, 255), 9);
  EXPECT_EQ(std::count(table.begin(), table.end(), 255), 0);
}

TEST(PalettePng, TakesAPalettizedFilesPaletteOrASwatch) {
  common::RgbaImage indexed;
  indexed.width = indexed.height = 1;
  indexed.palette = {1, 2, 3, 4, 5, 6};
  indexed.indices = {0};
  indexed.rgba = {1, 2, 3, 255};
  Palette p;
  int count = 0;
  std::string error;
  ASSERT_TRUE(tools::paletteFromPng(indexed, false, p, count, error));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(p[1], (Rgb{4, 5, 6}));
  EXPECT_EQ(p[2], (Rgb{}));

  // A 32 x 32 swatch: cells of 2 x 2, entry i is (i, 255 - i, 7).
  common::RgbaImage swatch;
  swatch.width = swatch.height = 32;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const int i = (y / 2) * 16 + x / 2;
      swatch.rgba.insert(swatch.rgba.end(), {uint8_t(i), uint8_t(255 - i), 7, 255});
    }
  ASSERT_TRUE(tools::paletteFromPng(swatch, false, p, count, error)) << error;
  EXPECT_EQ(count, 256);
  EXPECT_EQ(p[0], (Rgb{0, 255, 7}));
  EXPECT_EQ(p[200], (Rgb{200, 55, 7}));

  swatch.rgba[4 * (32 * 3 + 5)] ^= 1;  // row 3, column 5: cell 1 x 16 + 2
  EXPECT_FALSE(tools::paletteFromPng(swatch, false, p, count, error));
  EXPECT_EQ(error, "swatch cell 18 (row 1, column 2) is not of one colour");
  swatch.width = 16;
  swatch.height = 64;
  EXPECT_FALSE(tools::paletteFromPng(swatch, false, p, count, error));
  EXPECT_NE(error.find("16 x 64"), std::string::npos);
}

class MkpalTest : public EngineTest {};

TEST_F(MkpalTest, WritesColoursThenTheMixingTableThatTheGameLoads) {
  writeFile("colours.txt", "0 0 0\n#ffffff\n#808080\n#404040\n255 #ff00ff\n");
  std::string output;
  ASSERT_EQ(runTool("mkpal", {"colours.txt", "grim/pal.pal"}, &output), 0) << output;
  EXPECT_NE(output.find("5 entries from colours.txt, 251 not given (black)"), std::string::npos);
  // Entry 255 shows black whatever the list says; the author hears about it.
  EXPECT_NE(output.find("entry 255 is #ff00ff"), std::string::npos);
  const std::string bytes = readFile("grim/pal.pal");
  ASSERT_EQ(bytes.size(), 66304u);
  EXPECT_EQ(bytes.substr(0, 9), std::string("\0\0\0\xff\xff\xff\x80\x80\x80", 9));
  EXPECT_EQ(bytes.substr(765, 3), std::string("\xff\0\xff", 3));
  ASSERT_EQ(display::LoadPalette("grim\\pal.pal"), 1);
  EXPECT_EQ(display::displayState().MixTable[0 * 256 + 1], 2);    // black and white: grey
  EXPECT_EQ(display::displayState().MixTable[0 * 256 + 2], 3);    // black and grey: dark grey
  EXPECT_EQ(display::displayState().MixTable[255 * 256 + 0], 0);  // 255 counts as black
}

TEST_F(MkpalTest, ColoursOnlyWritesTheFirst768Bytes) {
  writeFile("colours.txt", "ramp 0 255 #000000 #ffffff\n");
  ASSERT_EQ(runTool("mkpal", {"colours.txt", "full.pal"}), 0);
  ASSERT_EQ(runTool("mkpal", {"--colours-only", "colours.txt", "short.pal"}), 0);
  const std::string full = readFile("full.pal"), shortened = readFile("short.pal");
  ASSERT_EQ(shortened.size(), 768u);
  EXPECT_EQ(shortened, full.substr(0, 768));
  // A palette file is an input too; its colours come back with a new table.
  ASSERT_EQ(runTool("mkpal", {"short.pal", "again.pal"}), 0);
  EXPECT_EQ(readFile("again.pal"), full);
}

TEST_F(MkpalTest, ReadsThePaletteOfAPalettizedPng) {
  std::string error;
  ASSERT_TRUE(common::writeIndexedPng("p.png", 1, 1, {0}, {9, 8, 7, 6, 5, 4}, error)) << error;
  ASSERT_EQ(runTool("mkpal", {"--colours-only", "p.png", "p.pal"}), 0);
  const std::string bytes = readFile("p.pal");
  EXPECT_EQ(bytes.substr(0, 9), std::string("\x09\x08\x07\x06\x05\x04\0\0\0", 9));
}

TEST_F(MkpalTest, RefusesBadInputWithStatus2AndAMessage) {
  writeFile("bad.txt", "0 0 0\n0 1 1 1\n");
  writeFile("odd.pal", std::string(1000, '\0'));
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"bad.txt", "x.pal"}, "mkpal: bad.txt:2: entry 0 is given twice (first on line 1)"},
      {{"missing.txt", "x.pal"}, "mkpal: cannot open missing.txt"},
      {{"odd.pal", "x.pal"}, "mkpal: odd.pal is 1000 bytes; a palette file is 66304 bytes"},
      {{"--mix-weight", "150", "bad.txt", "x.pal"}, "--mix-weight takes a percentage"},
      {{"bad.txt"}, "give an input and an output file"},
      {{"--colors", "bad.txt", "x.pal"}, "unknown option --colors"},
  };
  for (const Case& c : cases) {
    std::string output;
    EXPECT_EQ(runTool("mkpal", c.args, &output), 2) << c.message;
    EXPECT_NE(output.find(c.message), std::string::npos) << output;
  }
  EXPECT_FALSE(std::filesystem::exists("x.pal"));
  std::string help;
  EXPECT_EQ(runTool("mkpal", {"--help"}, &help), 0);
  EXPECT_NE(help.find("redmean"), std::string::npos);
}

}  // namespace
