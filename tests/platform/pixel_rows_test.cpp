// pixel_rows_test.cpp -- the row operations of the blitter and the sprites, and the presenter's
// palette conversion, at every position of their 16-pixel steps and tails
#include "platform/pixel_rows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/argb_frame.h"

namespace {

using namespace platform;

constexpr int W = kScreenWidth, H = kScreenHeight;

TEST(PixelRows, keyed_copy_keeps_the_destination_under_every_key_pixel) {
  // 45 pixels: two whole 16-pixel steps and a tail of 13.
  std::vector<uint8_t> src(45), dst(45, 7);
  for (size_t i = 0; i < src.size(); ++i) src[i] = uint8_t(100 + i);
  for (size_t k : {0, 15, 16, 31, 37, 44}) src[k] = 255;
  copyRowKeyed(dst.data(), src.data(), 44, 255);  // the last pixel is not asked for
  for (size_t i = 0; i < 44; ++i) EXPECT_EQ(dst[i], src[i] == 255 ? 7 : src[i]) << i;
  EXPECT_EQ(dst[44], 7);
  // Index 0 is a colour like any other when the key is 255.
  std::vector<uint8_t> zeros(20, 0), under(20, 9);
  copyRowKeyed(under.data(), zeros.data(), 20, 255);
  EXPECT_EQ(under, zeros);
}

TEST(PixelRows, doubling_writes_each_pixel_twice_and_nothing_past_the_end) {
  std::vector<uint8_t> src(37), dst(80, 1);
  for (size_t i = 0; i < src.size(); ++i) src[i] = uint8_t(200 - i);
  doubleRow(dst.data(), src.data(), src.size());
  for (size_t i = 0; i < src.size(); ++i) {
    EXPECT_EQ(dst[2 * i], src[i]) << i;
    EXPECT_EQ(dst[2 * i + 1], src[i]) << i;
  }
  for (size_t i = 74; i < 80; ++i) EXPECT_EQ(dst[i], 1) << i;
}

class ArgbFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 256; ++i)
      palette_[i] = PaletteEntry{uint8_t(i), uint8_t(255 - i), uint8_t(i / 3), 0};
  }
  // Each 2 x 2 block one index, as the stretched view.
  void fillDoubled() {
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) at(x, y) = uint8_t((x / 2 * 7 + y / 2 * 13) % 251);
  }
  uint8_t& at(int x, int y) { return screen_[size_t(y) * W + x]; }
  uint32_t argb(uint8_t i) const {
    return 0xFF000000u | uint32_t(palette_[i].red) << 16 | uint32_t(palette_[i].green) << 8 |
           palette_[i].blue;
  }
  std::vector<uint8_t> screen_ = std::vector<uint8_t>(size_t(W) * H);
  PaletteEntry palette_[256];
};

TEST_F(ArgbFrame, a_doubled_screen_is_found_and_one_odd_pixel_anywhere_breaks_it) {
  fillDoubled();
  EXPECT_TRUE(isPixelDoubled(screen_.data()));
  const std::pair<int, int> odd[] = {{1, 0}, {0, 1}, {639, 479}, {638, 479}, {333, 240}, {8, 9}};
  for (const auto& [x, y] : odd) {
    const uint8_t keep = at(x, y);
    at(x, y) = uint8_t(keep + 1);
    EXPECT_FALSE(isPixelDoubled(screen_.data())) << x << "," << y;
    at(x, y) = keep;
  }
}

TEST_F(ArgbFrame, the_whole_screen_converts_pixel_by_pixel_into_rows_of_any_pitch) {
  // Mostly distinct rows, with some rows equal to the one above.
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) at(x, y) = uint8_t((x * 3 + (y / 3) * 5 + x * y) % 256);
  const int pitch = W * 4 + 24;
  std::vector<uint8_t> out(size_t(pitch) * H, 0xAB);
  convertScreenToArgb(screen_.data(), palette_, out.data(), pitch, false);
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      uint32_t got;
      std::memcpy(&got, &out[size_t(y) * pitch + 4 * x], 4);
      ASSERT_EQ(got, argb(at(x, y))) << x << "," << y;
    }
    for (int b = W * 4; b < pitch; ++b) ASSERT_EQ(out[size_t(y) * pitch + b], 0xAB) << y;
  }
}

TEST_F(ArgbFrame, a_halved_screen_is_one_pixel_of_each_block_in_320_by_240) {
  fillDoubled();
  const int pitch = W * 4;
  std::vector<uint8_t> out(size_t(pitch) * H, 0xAB);
  convertScreenToArgb(screen_.data(), palette_, out.data(), pitch, true);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      uint32_t got;
      std::memcpy(&got, &out[size_t(y) * pitch + 4 * x], 4);
      if (x < W / 2 && y < H / 2)
        ASSERT_EQ(got, argb(at(2 * x, 2 * y))) << x << "," << y;
      else
        ASSERT_EQ(got, 0xABABABABu) << x << "," << y;  // never written
    }
}

}  // namespace
