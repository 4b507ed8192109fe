// map_picture.cpp -- a whole map drawn by the engine's own drawing code, a camera window at a time
#include "mapview/map_picture.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/common_resources.h"
#include "actors/snowfall.h"
#include "common/geometry.h"
#include "display/display_state.h"
#include "display/palette.h"
#include "gfx/gfx_state.h"
#include "gfx/text_draw.h"
#include "platform/backend.h"
#include "platform/headless/headless_backend.h"
#include "shell/game.h"
#include "shell/scene_cycle.h"
#include "shell/startup.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace mapview {
namespace {

using common::kMapAreaHeight;
using common::kMapWidth;
using common::kViewLeft;
using common::kViewTop;
using common::kViewWidth;

// Far enough left that no touch trigger fires for a hero that is not drawn.
constexpr float kHeroAway = -100000.0f;

std::unique_ptr<shell::Game> game;

// The screen's palette as a shot sees it: entries 0 to 254 as sent, 255 as the device keeps it.
const platform::PaletteEntry* screenColours() {
  static const platform::PaletteEntry black[256] = {};
  const auto& palette = display::displayState().ScreenPalette;
  return palette ? palette->entries() : black;
}

// Copies the map area of the view (page rows 128 to 304, columns 128 to 447) to column left.
void copyView(RgbPicture& picture, int left) {
  const display::PixelPage& page = *display::displayState().APAGE;
  const platform::PaletteEntry* colours = screenColours();
  for (int y = 0; y < kMapAreaHeight; ++y) {
    const uint8_t* row = page.row(kViewTop + y) + kViewLeft;
    for (int x = 0; x < kViewWidth; ++x) {
      const platform::PaletteEntry& e = colours[row[x]];
      uint8_t* p = picture.at(left + x, y);
      p[0] = e.red;
      p[1] = e.green;
      p[2] = e.blue;
    }
  }
}

// The camera at cameraX, as a frame of the game draws the map area: the far layer and the
// map picture, the snow pile, the map actors, the hero; the caption when asked.
void drawWindow(world::Scene& scene, int cameraX, bool hero, bool caption) {
  scene.cameraX = cameraX;
  auto& far = gfx::gfxState().FarLayer;
  if (far) {
    far->scrollX = cameraX / 2;
    far->draw();
  }
  scene.drawBackground();
  uint8_t* bits = nullptr;
  auto& d = display::displayState();
  d.DrawSurface->lock(&bits);
  actors::drawSnowPile();
  scene.drawActors();
  const auto& Hero = actors::actorsState().Hero;
  if (hero && Hero && scene.inWindow(Hero->x, Hero->shownWidth())) Hero->draw();
  if (caption) {
    // The caption's steady look, between its fly-in and its fading outline.
    scene.captionTimer = 128;
    scene.drawCaption();
  }
  d.DrawSurface->unlock();
}

EdgeEvent edgeEvent(int number) {
  const world::EventTables& t = world::eventTables();
  EdgeEvent edge;
  edge.defined = t.EventOps[number][0] != world::kOpEnd;
  for (int s = 0; s < world::kStepCount && t.EventOps[number][s] != world::kOpEnd; ++s) {
    if (t.EventOps[number][s] != world::kOpWarp) continue;
    edge.warpMap = t.EventStr[number][s];
    edge.warpX = t.EventArg1[number][s];
    break;
  }
  return edge;
}

}  // namespace

void RgbPicture::put(int x, int y, uint32_t colour) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  uint8_t* p = at(x, y);
  p[0] = uint8_t(colour >> 16);
  p[1] = uint8_t(colour >> 8);
  p[2] = uint8_t(colour);
}

bool startEngine(std::string& error) {
  game = std::make_unique<shell::Game>();
  platform::setBackend(platform::makeHeadlessBackend());
  if (shell::StartUpEngine() != 1) {
    error =
        "the data folder's palette (grim/pal.pal) or fonts (grim/*.fnt, grim/han.inf) "
        "cannot be read";
    return false;
  }
  actors::loadCommonResources(kHeroAway);
  return true;
}

bool drawMap(const std::string& cp949Name, const DrawOptions& options, MapDrawing& out,
             std::string& error) {
  auto& w = world::worldState();
  world::resetEventTables();
  world::deleteCurrentScene();
  w.CurrentScene = std::make_unique<world::Scene>();
  world::Scene& scene = *w.CurrentScene;
  auto& Hero = actors::actorsState().Hero;
  Hero->x = options.heroX.value_or(kHeroAway);
  if (scene.load(cp949Name.c_str()) != world::SceneLoad::kLoaded) {
    error = "the map does not load";
    return false;
  }
  // A full pile and no flakes; then the first frame of the map: the hero stands, the map
  // actors take the first step of their behaviour, pressing the pile where they stand.
  actors::initSnow(0);
  display::LoadPalette("grim\\pal.pal");
  shell::tintForMap(cp949Name.c_str());
  if (options.heroX) Hero->act(actors::kActStand);
  for (int i = 0; i < scene.actorCount; ++i) {
    if (!scene.actors[i]) continue;
    scene.actors[i]->update();
    scene.actors[i]->speechTimer = 0;  // speech lines come and go; the picture shows none
  }
  w.CurrentEvent = 0;

  out = MapDrawing{};
  out.picture = RgbPicture(kMapWidth, kMapAreaHeight);
  for (int camera = common::kCameraMin; camera <= common::kCameraMax; camera += kViewWidth) {
    drawWindow(scene, camera, options.heroX.has_value(), options.caption && camera == 0);
    copyView(out.picture, camera);
  }
  out.caption = scene.caption;
  for (int i = 0; i < scene.actorCount; ++i) {
    const actors::Actor* a = scene.actors[i].get();
    if (!a || a->motion == actors::kRemoved) continue;
    MapCharacter c;
    c.slot = i;
    c.name = a->name;
    c.left = actors::truncX(a->x);
    c.width = a->shownWidth();
    c.top = a->baseY - a->shownHeight() - kViewTop;
    c.eventNumber = a->eventNumber;
    c.mode = a->mode;
    out.characters.push_back(c);
  }
  out.left = edgeEvent(world::EDGE_EVENT_LEFT);
  out.right = edgeEvent(world::EDGE_EVENT_RIGHT);
  return true;
}

int textWidth(const std::string& cp949) {
  int width = 0;
  for (size_t i = 0; i < cp949.size(); ++i) {
    const bool wide = uint8_t(cp949[i]) >= 0x80;
    width += wide ? 16 : 8;
    if (wide) ++i;
  }
  return width;
}

int stampText(RgbPicture& picture, int x, int y, const std::string& cp949, uint32_t colour) {
  // The text is drawn into the top rows of the drawing page, which no window copy reads,
  // and taken from there ink by ink.
  display::PixelPage& page = *display::displayState().APAGE;
  for (int r = 0; r < 16; ++r) std::memset(page.row(r), 0, common::kPageWidth);
  gfx::drawText(&page, 0, 0, cp949.c_str(), 1);
  const int width = std::min(textWidth(cp949), common::kPageWidth);
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < width; ++c)
      if (page.row(r)[c] == 1) picture.put(x + c, y + r, colour);
  return width;
}

}  // namespace mapview
