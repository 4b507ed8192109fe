// text_draw_test.cpp -- drawing strings: pen advance, bit order, blending, odd bytes, edges
#include "gfx/text_draw.h"

#include <cstring>
#include <vector>

#include "common/geometry.h"
#include "display/display_device.h"
#include "display/palette.h"
#include "gfx/fonts.h"
#include "gfx/gfx_state.h"
#include "gfx/hangul_compose.h"
#include "shell/scene_cycle.h"
#include "shell/shell_state.h"
#include "support/engine_fixture.h"

namespace {

using namespace gfx;
using display::kPageHeight;
using display::kPageWidth;
using display::PixelPage;
using testing_support::EngineTest;

// A page of its own, filled with one index, with the test fonts loaded
// (glyph b of the 8 x 16 font has every row equal to b).
class TextDrawTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(loadFonts(), 1);
    pixels_.assign(kPageWidth * kPageHeight, kPaper);
    page_.BindRows(pixels_.data(), kPageWidth, kPageHeight);
  }
  uint8_t at(int x, int y) const { return pixels_[y * kPageWidth + x]; }
  // Page columns [x0, x1) of row y that differ from the paper.
  std::vector<int> inked(int y, int x0 = 0, int x1 = kPageWidth) const {
    std::vector<int> xs;
    for (int x = x0; x < x1; ++x)
      if (at(x, y) != kPaper) xs.push_back(x);
    return xs;
  }
  int inkedCount() const {
    int n = 0;
    for (uint8_t p : pixels_) n += p != kPaper;
    return n;
  }
  static constexpr uint8_t kPaper = 7;
  std::vector<uint8_t> pixels_;
  PixelPage page_;
};

TEST_F(TextDrawTest, an_empty_string_draws_nothing) {
  drawText(&page_, 100, 100, "", 3);
  drawTextBlended(&page_, 100, 100, "", 3);
  EXPECT_EQ(inkedCount(), 0);
}

TEST_F(TextDrawTest, glyph_bytes_run_from_bit_7_at_the_left_on_every_row) {
  for (int r = 0; r < 16; ++r) gfxState().asciiFont['!' * 16 + r] = 0x80;
  drawText(&page_, 200, 50, "!", 3);
  drawText(&page_, 300, 50, "\x01", 3);  // control characters draw through their glyphs
  for (int r = 0; r < 16; ++r) {
    EXPECT_EQ(inked(50 + r, 190, 220), std::vector<int>{200}) << "row " << r;
    EXPECT_EQ(inked(50 + r, 290, 320), std::vector<int>{307}) << "row " << r;
  }
  EXPECT_EQ(inked(49).size() + inked(66).size(), 0u);
  EXPECT_EQ(at(200, 60), 3);
}

TEST_F(TextDrawTest, two_letters_and_a_syllable_end_32_pixels_right) {
  // "AB가A": the fourth character starts at x + 8 + 8 + 16.
  drawText(&page_, 100, 200,
           "AB\xB0\xA1"
           "A",
           9);
  EXPECT_EQ(inked(210, 100, 108), (std::vector<int>{101, 107}));  // 'A' = 0x41
  EXPECT_EQ(inked(210, 108, 116), (std::vector<int>{109, 114}));  // 'B' = 0x42
  EXPECT_EQ(inked(210, 132, 150), (std::vector<int>{133, 139}));  // 'A' again
  EXPECT_EQ(inked(200, 116, 132), (std::vector<int>{116, 131}));  // the initial's mark
}

TEST_F(TextDrawTest, a_16_bit_row_0x8000_inks_the_leftmost_of_sixteen) {
  uint8_t glyph[32] = {};
  glyph[0] = 0x80;
  glyph[31] = 0x01;
  plotGlyph16(&page_, 400, 300, glyph, 5);
  EXPECT_EQ(inked(300), std::vector<int>{400});
  EXPECT_EQ(inked(315), std::vector<int>{415});
  EXPECT_EQ(inkedCount(), 2);
}

// Reads back the test font's letter marks: row 0 the initial, row 1 the medial, row 2 the final.
struct Letter {
  int set, glyph;
  bool operator==(const Letter&) const = default;
};
Letter readMark(const Glyph16& g, int row) {
  const int v = g[2 * row] << 8 | g[2 * row + 1];
  if (!(v & 0x8000)) return {-1, -1};
  return {(v >> 8) & 7, v & 31};
}

TEST_F(TextDrawTest, each_letter_takes_the_set_its_neighbours_choose) {
  struct Case {
    const char* text;
    Letter initial, medial, final;
  };
  const Case cases[] = {
      {"\xB0\xA1", {0, 1}, {0, 1}, {-1, -1}},  // 가: ㄱ ㅏ
      {"\xB3\xAA", {0, 3}, {1, 1}, {-1, -1}},  // 나: ㄴ takes the common vowel shape
      {"\xB0\xA2", {5, 1}, {2, 1}, {0, 1}},    // 각: with a final
      {"\xB0\xED", {1, 1}, {0, 9}, {-1, -1}},  // 고: ㄱ over ㅗ
      {"\xB4\xAB", {6, 3}, {3, 14}, {3, 4}},   // 눈: ㄴ ㅜ ㄴ
  };
  for (const Case& c : cases) {
    const Glyph16 g = composeHangulGlyph(uint8_t(c.text[0]), uint8_t(c.text[1]));
    EXPECT_EQ(readMark(g, 0), c.initial) << c.text;
    EXPECT_EQ(readMark(g, 1), c.medial) << c.text;
    EXPECT_EQ(readMark(g, 2), c.final) << c.text;
  }
}

TEST_F(TextDrawTest, the_initial_glyph_is_copied_even_for_the_fill_code) {
  // Johab 0x8441 is the fill initial with the fill vowel and no final: glyph 0 of set 0.
  gfxState().syllableCodes[0] = 0x84;
  gfxState().syllableCodes[1] = 0x41;
  const Glyph16 g = composeHangulGlyph(0xB0, 0xA1);
  EXPECT_EQ(readMark(g, 0), (Letter{0, 0}));
  EXPECT_EQ(readMark(g, 1), (Letter{-1, -1}));  // medial glyph 0 is never drawn
}

TEST_F(TextDrawTest, blended_pixels_come_from_the_mixing_table) {
  testing_support::writeFile("grim/pal.pal", testing_support::knownPalette());
  ASSERT_EQ(display::LoadPalette("grim\\pal.pal"), 1);  // entry [a][b] is (a + b) / 2
  for (int x = 0; x < kPageWidth; ++x) pixels_[20 * kPageWidth + x] = x < 320 ? 40 : 200;
  drawTextBlended(&page_, 312, 20, "AA", 100);
  EXPECT_EQ(at(313, 20), (40 + 100) / 2);
  EXPECT_EQ(at(319, 20), (40 + 100) / 2);
  EXPECT_EQ(at(321, 20), (200 + 100) / 2);
  EXPECT_EQ(at(314, 20), 40);  // clear bits leave the page alone
  EXPECT_EQ(at(320, 20), 200);
  drawTextBlended(&page_, 0, 100, "\xB0\xA1", 255);
  EXPECT_EQ(at(0, 100), (kPaper + 255) / 2);
  EXPECT_EQ(at(1, 100), kPaper);
}

TEST_F(TextDrawTest, a_string_ending_after_a_lead_byte_stops_there) {
  drawText(&page_, 10, 10, "A\xB0", 4);
  drawText(&page_, 10, 40, "\xC8", 4);
  EXPECT_EQ(inkedCount(), 2 * 16);  // only the two columns of 'A'
  EXPECT_EQ(inked(10, 0, kPageWidth), (std::vector<int>{11, 17}));
}

TEST_F(TextDrawTest, double_byte_characters_outside_the_syllables_are_blank_cells) {
  // Every composition inks at least the initial's mark, so a blank cell shows nothing was composed.
  const char* outside[] = {"\xA1\xA1", "\xAF\xFE", "\xC9\xA1", "\xFD\xFE",
                           "\xB0\xA0", "\xC8\xFF", "\xB0\x41", "\xFF\xFF"};
  int y = 0;
  for (const char* pair : outside) {
    std::string text = std::string(pair) + "A";
    drawText(&page_, 50, y, text.c_str(), 6);
    EXPECT_EQ(inked(y, 0, kPageWidth), (std::vector<int>{67, 73}))
        << std::hex << int(uint8_t(pair[0]));
    y += 20;
  }
  EXPECT_EQ(composeHangulGlyph(0xC9, 0xA1), Glyph16{});
}

TEST_F(TextDrawTest, pixels_past_the_page_edge_are_dropped) {
  drawText(&page_, 628, 470, "AB\xB0\xA1", 2);
  EXPECT_EQ(inked(470, 620, kPageWidth), (std::vector<int>{629, 635, 637}));
  EXPECT_EQ(inked(471, 0, 16).size(), 0u);  // not wrapped into the next row
  drawText(&page_, -4, -8, "A", 2);         // 0x41: columns 1 and 7
  EXPECT_EQ(inked(0, 0, 8), std::vector<int>{3});
  EXPECT_EQ(inked(7, 0, 8), std::vector<int>{3});
}

TEST_F(TextDrawTest, drawing_without_fonts_or_page_is_harmless) {
  gfxState() = GfxState{};
  drawText(&page_, 10, 10, "A\xB0\xA1", 1);
  drawText(nullptr, 10, 10, "A", 1);
  EXPECT_EQ(inkedCount(), 0);
}

TEST_F(TextDrawTest, every_frame_draws_the_counter_at_the_top_of_the_view) {
  startEngine();
  std::strcpy(shell::shellState().MapName, "20");
  shell::beginScene();
  ASSERT_TRUE(shell::runFrame());
  const uint8_t* view = display::displayState().DrawSurface->pixels() +
                        common::kViewTop * kPageWidth + common::kViewLeft;
  const std::string text = shell::shellState().FrameText;
  ASSERT_EQ(text.rfind("frame ", 0), 0u);
  for (size_t i = 0; i < text.size(); ++i)
    for (int c = 0; c < 8; ++c)
      EXPECT_EQ(view[i * 8 + c] == 90, (uint8_t(text[i]) & (0x80 >> c)) != 0) << i << ":" << c;
}

}  // namespace
