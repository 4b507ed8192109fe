// scene_test.cpp -- the Scene's picture over the far layer, its actors in the window, lost surfaces
#include "world/scene.h"

#include <string>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/camera.h"
#include "display/display_device.h"
#include "display/pixel_page.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "platform/message_box.h"
#include "support/engine_fixture.h"
#include "support/test_maps.h"
#include "world/event_tables.h"

namespace {

using namespace testing_support;
using world::Scene;

constexpr int kHoles[] = {5, 300, 1000, 1279};

class SceneTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
    writeFarPicture();
    writeMapPicture("field", {std::begin(kHoles), std::end(kHoles)});
    writeSolidPack("MAN", 1, 30, 40, 60);
    gfx::gfxState().FarLayer = std::make_unique<gfx::BackgroundLayer>();
    far_ = gfx::gfxState().FarLayer.get();
    ASSERT_EQ(far_->load("bg"), gfx::LayerLoad::kLoaded);
    actors::actorsState().Hero = std::move(heroOwner_);
    world::worldState().CurrentScene = std::move(sceneOwner_);
    TestActor a;
    a.x = "0.0";
    writeFile("map/m.if", mapText("field", "c", {a}));
    ASSERT_EQ(scene_.load("m"), world::SceneLoad::kLoaded);
    clearPage();
  }
  void TearDown() override {
    gfx::gfxState().FarLayer = nullptr;
    actors::actorsState().Hero.reset();
    sceneOwner_ = std::move(world::worldState().CurrentScene);
    EngineTest::TearDown();
  }
  static void clearPage() {
    for (int y = 0; y < display::kPageHeight; ++y)
      for (int x = 0; x < display::kPageWidth; ++x)
        display::displayState().APAGE->PutPixel(x, y, 254);
  }
  static int pixel(int x, int y) { return display::displayState().APAGE->row(y)[x]; }
  // Puts the camera at c with the far layer at c / 2, as the camera keeps them.
  void cameraAt(int c) {
    scene_.cameraX = c;
    hero_.x = float(c + actors::kHeroOffset);
    actors::updateCamera();
    ASSERT_EQ(scene_.cameraX, c);
  }
  void drawBackgrounds() {
    far_->draw();
    scene_.drawBackground();
  }
  // The view shows map column cameraX + k, or the far layer's column scroll + k in a hole.
  void expectView(int camera, int scroll) {
    for (int row : {0, 100, 176})
      for (int k = 0; k < 320; ++k) {
        const int m = camera + k;
        const bool hole = std::find(std::begin(kHoles), std::end(kHoles), m) != std::end(kHoles);
        const int want = hole ? farPixel(scroll + k, row) : mapPixel(m);
        ASSERT_EQ(pixel(128 + k, 128 + row), want) << "camera " << camera << " column " << k;
      }
  }
  gfx::BackgroundLayer* far_ = nullptr;  // the game's far layer
  // Made with the fixture and handed to the game in SetUp; hero_ names it throughout.
  std::unique_ptr<actors::Actor> heroOwner_ = std::make_unique<actors::Actor>();
  actors::Actor& hero_ = *heroOwner_;
  // Lent to the game while a test needs it as the running map.
  std::unique_ptr<world::Scene> sceneOwner_ = std::make_unique<world::Scene>();
  world::Scene& scene_ = *sceneOwner_;
};

TEST_F(SceneTest, view_shows_the_map_over_the_far_layer_at_the_camera) {
  const std::pair<int, int> cases[] = {{0, 0}, {101, 50}, {960, 480}};
  for (const auto& [camera, scroll] : cases) {
    cameraAt(camera);
    EXPECT_EQ(far_->scrollX, scroll);
    clearPage();
    drawBackgrounds();
    expectView(camera, scroll);
    EXPECT_EQ(scene_.bgWindow.left, camera);
    EXPECT_EQ(scene_.bgWindow.right, camera + 320);
  }
  // The status bar's rows receive nothing from either layer.
  for (int y = 305; y < 368; ++y) ASSERT_EQ(pixel(200, y), 254);
}

TEST_F(SceneTest, both_pictures_come_back_the_frame_after_surfaces_are_lost) {
  cameraAt(101);
  platform::loseAllSurfaces();
  drawBackgrounds();
  display::PresentFrame();
  clearPage();
  drawBackgrounds();
  expectView(101, 50);
  EXPECT_TRUE(platform::shownMessages().empty());
}

TEST_F(SceneTest, actors_are_drawn_only_inside_the_window) {
  cameraAt(200);
  const int w = 30;
  EXPECT_FALSE(scene_.inWindow(520.0f, w));  // x = camera + 320
  EXPECT_TRUE(scene_.inWindow(519.9f, w));
  EXPECT_FALSE(scene_.inWindow(170.0f, w));  // right edge exactly at the camera
  EXPECT_TRUE(scene_.inWindow(170.5f, w));
  actors::Actor& a = *scene_.actors[0];
  a.x = 170.5f;
  scene_.drawActors();
  // trunc(170.5) - 200 = -30: drawn into the page margin, its last column at page 127.
  EXPECT_EQ(pixel(127, 287), 60);
  EXPECT_EQ(pixel(128, 287), 254);
  clearPage();
  a.x = 170.0f;
  scene_.drawActors();
  EXPECT_EQ(pixel(127, 287), 254);
}

TEST_F(SceneTest, removed_actors_are_not_drawn) {
  actors::Actor& a = *scene_.actors[0];
  a.x = 50.0f;
  a.motion = actors::kRemoved;
  scene_.drawActors();
  EXPECT_EQ(pixel(178, 287), 254);
  a.motion = actors::kStanding;
  scene_.drawActors();
  EXPECT_EQ(pixel(178, 287), 60);
  EXPECT_EQ(pixel(178, 248), 60);
  EXPECT_EQ(pixel(178, 247), 254);
}

}  // namespace
