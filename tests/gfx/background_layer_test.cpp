// background_layer_test.cpp -- the far layer: loading, the scrolling window, lost surfaces
#include "gfx/background_layer.h"

#include <string>

#include "display/display_device.h"
#include "display/pixel_page.h"
#include "gfx/load_messages.h"
#include "platform/faults.h"
#include "platform/message_box.h"
#include "support/engine_fixture.h"

namespace {
using gfx::BackgroundLayer;
using testing_support::EngineTest;
using testing_support::writeFile;

// Far picture: column c of row r holds (c + r) mod 250, so no pixel is 255.
std::string farPicture() {
  std::string bytes(gfx::kFarBytes, '\0');
  for (int r = 0; r < gfx::kFarHeight; ++r)
    for (int c = 0; c < gfx::kFarWidth; ++c) bytes[r * gfx::kFarWidth + c] = char((c + r) % 250);
  return bytes;
}

class BackgroundLayerTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
    clearPage();
  }
  static void clearPage() {
    for (int y = 0; y < display::kPageHeight; ++y)
      for (int x = 0; x < display::kPageWidth; ++x)
        display::displayState().APAGE->PutPixel(x, y, 254);
  }
  static int pixel(int x, int y) { return display::displayState().APAGE->row(y)[x]; }
  // Every shown pixel of the window is the picture's pixel at scrollX + column.
  static void expectWindowAt(int scrollX) {
    for (int r = 0; r < gfx::kWindowHeight; ++r)
      for (int k = 0; k < gfx::kWindowWidth; ++k)
        ASSERT_EQ(pixel(128 + k, 128 + r), (scrollX + k + r) % 250) << k << "," << r;
  }
};

TEST_F(BackgroundLayerTest, copies_the_window_at_its_scroll) {
  writeFile("grim/bg.res", farPicture());
  BackgroundLayer layer;
  ASSERT_EQ(layer.load("bg"), gfx::LayerLoad::kLoaded);
  EXPECT_STREQ(layer.picturePath, "grim\\bg.res");
  for (int scroll : {0, 50, 480}) {
    layer.scrollX = scroll;
    layer.draw();
    expectWindowAt(scroll);
    EXPECT_EQ(layer.window.left, scroll);
    EXPECT_EQ(layer.window.right, scroll + 320);
  }
  // Nothing left or right of the view, and nothing in the status bar's rows 305 to 367.
  EXPECT_EQ(pixel(127, 200), 254);
  EXPECT_EQ(pixel(448, 200), 254);
  for (int y = 305; y < 368; ++y) ASSERT_EQ(pixel(300, y), 254) << y;
}

TEST_F(BackgroundLayerTest, far_pixels_of_255_are_copied) {
  writeFile("grim/bg.res", std::string(gfx::kFarBytes, '\xFF'));
  BackgroundLayer layer;
  ASSERT_EQ(layer.load("bg"), gfx::LayerLoad::kLoaded);
  layer.draw();
  EXPECT_EQ(pixel(128, 128), 255);
  EXPECT_EQ(pixel(447, 304), 255);
}

TEST_F(BackgroundLayerTest, load_failures_give_their_message_and_result) {
  BackgroundLayer missing;
  EXPECT_EQ(missing.load("bg"), gfx::LayerLoad::kFileMissing);
  writeFile("grim/empty.res", "");
  BackgroundLayer empty;
  EXPECT_EQ(empty.load("empty"), gfx::LayerLoad::kFileEmpty);
  platform::faults().failSurfaceOfSize = gfx::kFarHeight;
  BackgroundLayer noSurface;
  EXPECT_EQ(noSurface.load("bg"), gfx::LayerLoad::kNoSurface);
  noSurface.draw();  // a layer without a surface copies nothing
  EXPECT_EQ(pixel(128, 128), 254);
  const auto& shown = platform::shownMessages();
  ASSERT_EQ(shown.size(), 3u);
  const char* texts[] = {gfx::text::kFileOpen, gfx::text::kDataRead, gfx::text::kSurfaceCreate};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(shown[i].title, gfx::text::kErrorTitle);
    EXPECT_EQ(shown[i].text, texts[i]);
  }
}

TEST_F(BackgroundLayerTest, short_picture_fills_its_first_rows) {
  writeFile("grim/part.res", std::string(800, '\x05'));
  BackgroundLayer layer;
  ASSERT_EQ(layer.load("part"), gfx::LayerLoad::kLoaded);
  layer.draw();
  EXPECT_EQ(pixel(300, 128), 5);
  EXPECT_EQ(pixel(300, 129), 0);
  EXPECT_TRUE(platform::shownMessages().empty());
}

TEST_F(BackgroundLayerTest, a_lost_layer_is_reloaded_and_copied_at_once) {
  writeFile("grim/bg.res", farPicture());
  BackgroundLayer layer;
  ASSERT_EQ(layer.load("bg"), gfx::LayerLoad::kLoaded);
  layer.surface->lose();
  layer.scrollX = 77;
  layer.draw();
  expectWindowAt(77);
  EXPECT_FALSE(layer.surface->isLost());
}

TEST_F(BackgroundLayerTest, after_every_surface_was_lost_the_next_frame_shows_the_picture) {
  writeFile("grim/bg.res", farPicture());
  BackgroundLayer layer;
  ASSERT_EQ(layer.load("bg"), gfx::LayerLoad::kLoaded);
  platform::loseAllSurfaces();
  // The frame of the loss: the drawing surface is lost too, so the copy fails
  // until presentation restores it.
  layer.draw();
  display::PresentFrame();
  clearPage();
  layer.draw();
  expectWindowAt(0);
  EXPECT_TRUE(platform::shownMessages().empty());
}

TEST_F(BackgroundLayerTest, a_picture_gone_at_reload_is_skipped) {
  writeFile("grim/bg.res", farPicture());
  BackgroundLayer layer;
  ASSERT_EQ(layer.load("bg"), gfx::LayerLoad::kLoaded);
  std::filesystem::remove("grim/bg.res");
  layer.surface->lose();
  layer.draw();
  EXPECT_EQ(pixel(200, 200), 254);
}

}  // namespace
