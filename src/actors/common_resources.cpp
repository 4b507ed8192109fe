// common_resources.cpp -- loading and freeing the game-wide objects
#include "actors/common_resources.h"

#include <algorithm>
#include <cstdio>

#include "actors/actor.h"
#include "actors/snowfall.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "platform/data_file.h"
#include "platform/message_box.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace actors {

gfx::SpritePack* CursorPack = nullptr;
gfx::SpritePack* BubblePack = nullptr;
uint8_t* StatusBarPixels = nullptr;

namespace {

constexpr const char* kBarTitle = "bar.res";
constexpr const char* kBarMissing =
    "\xB1\xD7\xB8\xB2\xC6\xC4\xC0\xCF\xC0\xBB \xC0\xD0\xC0\xBB\xBC\xF6 \xBE\xF8\xBE\xEE.";  // 그림파일을
                                                                                            // 읽을수
                                                                                            // 없어.
constexpr const char* kBarEmpty =
    "\xB1\xD7\xB8\xB2\xC6\xC4\xC0\xCF\xC0\xCC \xC0\xCC\xBB\xF3\xC7\xD8";  // 그림파일이 이상해

void loadStatusBar() {
  // Cleared, so that rows a short or missing file leaves are colour 0.
  StatusBarPixels = new uint8_t[kStatusBarBytes]();
  FILE* f = platform::openDataFile("grim\\bar.res", "rb");
  if (!f) {
    platform::messageBox(kBarTitle, kBarMissing);
    return;
  }
  if (std::fread(StatusBarPixels, 1, kStatusBarBytes, f) == 0)
    platform::messageBox(kBarTitle, kBarEmpty);
  std::fclose(f);
}

}  // namespace

int loadCommonResources(float heroX) {
  Hero = new Actor;
  BubblePack = new gfx::SpritePack;
  delete CursorPack;  // the game thread never frees it; a second load must not lose the first
  CursorPack = new gfx::SpritePack;
  gfx::gfxState().FarLayer = std::make_unique<gfx::BackgroundLayer>();
  Hero->sprites->load("CHAR1");
  Hero->x = heroX;
  gfx::gfxState().FarLayer->load("bg");
  CursorPack->load("cursor");
  std::fill(world::EventFlags, world::EventFlags + world::kFlagCount, 0);
  loadStatusBar();
  BubblePack->load("bubble");
  return 0;
}

void freeCommonResources() {
  delete BubblePack;
  BubblePack = nullptr;
  world::deleteCurrentScene();
  auto& FarLayer = gfx::gfxState().FarLayer;
  if (FarLayer) FarLayer->release();
  FarLayer.reset();
  delete[] StatusBarPixels;
  StatusBarPixels = nullptr;
  delete Hero;
  Hero = nullptr;
}

void resetActorGlobals() {
  freeCommonResources();
  delete CursorPack;
  CursorPack = nullptr;
  resetSnowGlobals();
}

}  // namespace actors
