// picture_fit_test.cpp -- the picture's place on a screen and the window's scale on a desktop
#include "platform/picture_fit.h"

#include <gtest/gtest.h>

#include "platform/window_scale.h"

namespace {

using namespace platform;

void expectRect(const PictureRect& r, int x, int y, int w, int h) {
  EXPECT_EQ(r.x, x);
  EXPECT_EQ(r.y, y);
  EXPECT_EQ(r.w, w);
  EXPECT_EQ(r.h, h);
}

TEST(PictureFit, whole_scales_with_bars_and_the_filled_4_3_picture) {
  expectRect(wholeScaleRect(1280, 1024), 0, 32, 1280, 960);
  // 1.6 times would fit; the whole 1 leaves bars all round.
  expectRect(wholeScaleRect(1366, 768), 363, 144, 640, 480);
  expectRect(wholeScaleRect(3840, 2160), 640, 120, 2560, 1920);
  // Smaller than the picture: shrunk to fit, 4:3 kept.
  expectRect(wholeScaleRect(320, 480), 0, 120, 320, 240);
  expectRect(filledRect(1366, 768), 171, 0, 1024, 768);
  EXPECT_EQ(wholeScaleFitting(600, 480), 0);
}

TEST(WindowScale, the_largest_window_that_fits_the_desktop_with_its_caption) {
  EXPECT_EQ(largestWindowScale(1280, 1024), 2);
  EXPECT_EQ(largestWindowScale(1280, 960), 1);  // no room left for the caption
  EXPECT_EQ(largestWindowScale(1920, 1080), 2);
  EXPECT_EQ(largestWindowScale(3840, 2160), 4);
  EXPECT_EQ(largestWindowScale(800, 400), 1);
}

}  // namespace
