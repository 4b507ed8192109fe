// common_resources_test.cpp -- the game-wide objects, their messages, and the status bar
#include "actors/common_resources.h"

#include <string>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/status_bar.h"
#include "display/display_state.h"
#include "display/pixel_page.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "platform/message_box.h"
#include "support/engine_fixture.h"
#include "support/test_maps.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using namespace testing_support;

class CommonResourcesTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
    for (int y = 0; y < display::kPageHeight; ++y)
      for (int x = 0; x < display::kPageWidth; ++x)
        display::displayState().APAGE->PutPixel(x, y, 7);
  }
  // Byte i of the bar file is i mod 251, so every byte says where it came from.
  static std::string barBytes(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = char(i % 251);
    return s;
  }
  static int pixel(int x, int y) { return display::displayState().APAGE->row(y)[x]; }
};

TEST_F(CommonResourcesTest, loads_hero_far_layer_packs_and_bar) {
  writeHeroPack();
  writeFarPicture();
  writeSolidPack("cursor", 3, 8, 8, 40);
  writeSolidPack("bubble", 12, 16, 16, 50);
  writeFile("grim/bar.res", barBytes(30000));
  world::worldState().EventFlags[7] = 1;
  EXPECT_EQ(actors::loadCommonResources(), 0);
  EXPECT_TRUE(platform::shownMessages().empty());
  ASSERT_NE(actors::actorsState().Hero.get(), nullptr);
  EXPECT_FLOAT_EQ(actors::actorsState().Hero->x, 10.0f);
  EXPECT_EQ(actors::actorsState().Hero->sprites->width(11), 40);
  EXPECT_EQ(actors::actorsState().CursorPack->frameCount, 3);
  EXPECT_EQ(actors::actorsState().BubblePack->frameCount, 12);
  EXPECT_STREQ(gfx::gfxState().FarLayer->picturePath, "grim\\bg.res");
  EXPECT_EQ(world::worldState().EventFlags[7], 0);
  // Bytes up to 20360 are read; the first 20160 are shown.
  EXPECT_EQ(actors::actorsState().StatusBarPixels[20359], 20359 % 251);
  actors::drawStatusBar();
  for (int r = 0; r < 63; ++r)
    for (int c = 0; c < 320; c += 7) ASSERT_EQ(pixel(128 + c, 305 + r), (r * 320 + c) % 251);
  EXPECT_EQ(pixel(127, 305), 7);
  EXPECT_EQ(pixel(448, 367), 7);
  EXPECT_EQ(pixel(200, 304), 7);
  EXPECT_EQ(pixel(200, 368), 7);
}

TEST_F(CommonResourcesTest, missing_files_leave_empty_objects_and_the_game_goes_on) {
  EXPECT_EQ(actors::loadCommonResources(), 0);
  ASSERT_NE(actors::actorsState().Hero.get(), nullptr);
  EXPECT_EQ(actors::actorsState().Hero->sprites->width(0), 0);
  const auto& shown = platform::shownMessages();
  // The far layer's "파일열기", then the bar's own message.
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].title, "bar.res");
  EXPECT_EQ(shown[1].text,
            "\xB1\xD7\xB8\xB2\xC6\xC4\xC0\xCF\xC0\xBB \xC0\xD0\xC0\xBB\xBC\xF6 \xBE\xF8\xBE\xEE.");
  actors::drawStatusBar();
  EXPECT_EQ(pixel(300, 340), 0);
}

TEST_F(CommonResourcesTest, empty_and_short_bar_files) {
  writeFarPicture();
  writeFile("grim/bar.res", "");
  actors::loadCommonResources();
  const auto& shown = platform::shownMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, "bar.res");
  EXPECT_EQ(shown[0].text, "\xB1\xD7\xB8\xB2\xC6\xC4\xC0\xCF\xC0\xCC \xC0\xCC\xBB\xF3\xC7\xD8");
  actors::freeCommonResources();
  // One row of 320 sets only the bar's top row; value 255 is drawn like any other.
  writeFile("grim/bar.res", std::string(actors::kStatusBarWidth, '\xFF'));
  actors::loadCommonResources();
  actors::drawStatusBar();
  EXPECT_EQ(pixel(128, 305), 255);
  EXPECT_EQ(pixel(447, 305), 255);
  EXPECT_EQ(pixel(128, 306), 0);
}

TEST_F(CommonResourcesTest, frees_leave_only_the_cursor) {
  writeFile("grim/bar.res", barBytes(100));
  actors::loadCommonResources();
  world::worldState().CurrentScene = std::make_unique<world::Scene>();
  actors::freeCommonResources();
  EXPECT_EQ(actors::actorsState().Hero.get(), nullptr);
  EXPECT_EQ(actors::actorsState().BubblePack.get(), nullptr);
  EXPECT_EQ(world::worldState().CurrentScene, nullptr);
  EXPECT_EQ(gfx::gfxState().FarLayer.get(), nullptr);
  EXPECT_EQ(actors::actorsState().StatusBarPixels.get(), nullptr);
  EXPECT_NE(actors::actorsState().CursorPack.get(), nullptr);
  actors::drawStatusBar();  // nothing to draw, nothing drawn
  EXPECT_EQ(pixel(300, 340), 7);
}

}  // namespace
