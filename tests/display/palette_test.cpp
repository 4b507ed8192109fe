// palette_test.cpp -- palette files, fades and tints
#include "display/palette.h"

#include "display/display_device.h"
#include "support/engine_fixture.h"

namespace {

using namespace display;
using testing_support::EngineTest;
using testing_support::writeFile;

class PaletteTest : public EngineTest {
 protected:
  void setBase(int i, uint8_t r, uint8_t g, uint8_t b) {
    displayState().BasePalette[i] = {r, g, b, 0};
  }
  void expectWorking(int i, uint8_t r, uint8_t g, uint8_t b) {
    EXPECT_EQ(displayState().WorkingPalette[i].red, r);
    EXPECT_EQ(displayState().WorkingPalette[i].green, g);
    EXPECT_EQ(displayState().WorkingPalette[i].blue, b);
  }
};

TEST_F(PaletteTest, brightness_scales_base_colours_truncating) {
  setBase(7, 255, 128, 1);
  SetBrightness(50);
  expectWorking(7, 127, 64, 0);
  SetBrightness(100);
  expectWorking(7, 255, 128, 1);
  SetBrightness(0);
  expectWorking(7, 0, 0, 0);
}

TEST_F(PaletteTest, tints_clamp_and_add_up_until_reload) {
  setBase(1, 30, 30, 30);
  setBase(2, 100, 100, 100);
  TintPalette(0, -40, -50);
  expectWorking(1, 30, 0, 0);
  TintPalette(0, -40, -50);
  expectWorking(2, 100, 20, 0);
  TintPalette(200, 0, 0);
  expectWorking(2, 255, 20, 0);
  // The tint lasts through a fade at full strength.
  SetBrightness(100);
  expectWorking(2, 255, 20, 0);
}

TEST_F(PaletteTest, reload_removes_the_tint) {
  writeFile("grim/pal.pal", testing_support::knownPalette());
  ASSERT_EQ(LoadPalette("grim\\pal.pal"), 1);
  TintPalette(0, 0, 15);
  EXPECT_EQ(displayState().WorkingPalette[10].blue, 5 + 15);
  ASSERT_EQ(LoadPalette("grim\\pal.pal"), 1);
  expectWorking(10, 10, 245, 5);
  EXPECT_EQ(displayState().MixTable[3 * 256 + 5], 4);
  EXPECT_EQ(displayState().MixTable[255 * 256 + 255], 255);
}

TEST_F(PaletteTest, missing_file_changes_nothing) {
  setBase(3, 1, 2, 3);
  displayState().MixTable[9] = 77;
  EXPECT_EQ(LoadPalette("grim\\nothing.pal"), 0);
  EXPECT_EQ(displayState().BasePalette[3].blue, 3);
  EXPECT_EQ(displayState().MixTable[9], 77);
}

TEST_F(PaletteTest, short_files_read_past_their_end_as_255) {
  writeFile("grim/pal.pal", testing_support::knownPalette().substr(0, 768));
  ASSERT_EQ(LoadPalette("grim\\pal.pal"), 1);
  for (int i : {0, 1, 12345, 65535}) EXPECT_EQ(displayState().MixTable[i], 255) << i;
  writeFile("grim/pal.pal", std::string(10, '\x01'));
  ASSERT_EQ(LoadPalette("grim\\pal.pal"), 1);
  expectWorking(3, 1, 255, 255);
  expectWorking(200, 255, 255, 255);
}

TEST_F(PaletteTest, entry_255_always_shows_black) {
  startEngine();  // known palette: entry 255 is (255, 0, 127) in the file
  const platform::PaletteEntry* shown = displayState().ScreenPalette->entries();
  EXPECT_EQ(shown[255].red, 0);
  EXPECT_EQ(shown[255].blue, 0);
  EXPECT_EQ(shown[254].red, 254);
  TintPalette(10, 10, 10);
  SetBrightness(100);
  EXPECT_EQ(shown[255].red, 0);
  EXPECT_EQ(shown[255].green, 0);
}

}  // namespace
