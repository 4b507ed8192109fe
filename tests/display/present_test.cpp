// present_test.cpp -- the view, its doubling to the screen, clearing it, and lost surfaces
#include "common/geometry.h"
#include "display/display_device.h"
#include "display/keyboard.h"
#include "display/pixel_page.h"
#include "platform/screen.h"
#include "support/engine_fixture.h"

namespace {

using namespace display;
using testing_support::EngineTest;

class PresentTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
  }
  uint8_t screen(int x, int y) {
    return displayState().PrimarySurface->pixels()[y * common::kScreenWidth + x];
  }
};

TEST_F(PresentTest, view_is_doubled_onto_the_whole_screen) {
  ClearView(1);
  displayState().APAGE->PutPixel(128, 128, 9);
  displayState().APAGE->PutPixel(447, 367, 8);
  displayState().APAGE->PutPixel(448, 128, 7);
  displayState().APAGE->PutPixel(127, 200, 7);
  PresentFrame();
  EXPECT_EQ(screen(0, 0), 9);
  EXPECT_EQ(screen(1, 0), 9);
  EXPECT_EQ(screen(0, 1), 9);
  EXPECT_EQ(screen(1, 1), 9);
  EXPECT_EQ(screen(2, 0), 1);
  EXPECT_EQ(screen(638, 478), 8);
  EXPECT_EQ(screen(639, 479), 8);
  // Columns 448 and 127 lie outside the view and never show.
  for (int y = 0; y < common::kScreenHeight; ++y)
    for (int x = 0; x < common::kScreenWidth; ++x)
      if (screen(x, y) == 7) FAIL() << "outside pixel shown at " << x << "," << y;
  EXPECT_EQ(platform::presentedFrames(), 1u);
}

TEST_F(PresentTest, clear_view_fills_exactly_its_band) {
  for (int y = 0; y < kPageHeight; ++y)
    for (int x = 0; x < kPageWidth; ++x) displayState().APAGE->PutPixel(x, y, 5);
  ClearView(0x1234);  // only the low byte counts
  for (int y = 120; y < 380; ++y) {
    for (int x = 120; x < 460; ++x) {
      const bool inBand = y >= 128 && y <= 368 && x >= 128 && x <= 451;
      ASSERT_EQ(displayState().APAGE->row(y)[x], inBand ? 0x34 : 5) << x << "," << y;
    }
  }
}

TEST_F(PresentTest, lost_surfaces_recover_on_the_flip_path) {
  ClearView(3);
  platform::loseAllSurfaces();
  // The blit fails and is not repeated; the flip of restored garbage still presents.
  PresentFrame();
  EXPECT_FALSE(displayState().DrawSurface->isLost());
  EXPECT_FALSE(displayState().PrimarySurface->isLost());
  EXPECT_EQ(platform::presentedFrames(), 1u);
  ClearView(3);
  PresentFrame();
  EXPECT_EQ(screen(0, 0), 3);
  EXPECT_EQ(screen(639, 479), 3);
}

TEST_F(PresentTest, lost_surfaces_recover_on_the_direct_path) {
  displayState().KeyState[platform::dik::LCONTROL] = 0x80;
  ClearView(3);
  platform::loseAllSurfaces();
  // The blit is repeated once after the restore: the garbage drawing page reaches the screen.
  EXPECT_EQ(PresentFrame(), platform::DD_OK);
  EXPECT_EQ(platform::presentedFrames(), 1u);
  ClearView(4);
  EXPECT_EQ(PresentFrame(), platform::DD_OK);
  EXPECT_EQ(screen(0, 0), 4);
  EXPECT_EQ(screen(639, 479), 4);
  EXPECT_EQ(platform::presentedFrames(), 2u);
}

TEST_F(PresentTest, direct_path_shows_without_flipping) {
  ClearView(2);
  PresentFrame();  // the flip chain: back buffer now holds the previous screen
  ClearView(6);
  displayState().KeyState[platform::dik::LCONTROL] = 0x80;
  PresentFrame();
  EXPECT_EQ(screen(10, 10), 6);
  EXPECT_EQ(displayState().BackBuffer->pixels()[0], 0);  // untouched by the direct blit
}

}  // namespace
