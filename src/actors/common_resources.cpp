// common_resources.cpp -- loading and freeing the game-wide objects
#include "actors/common_resources.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "common/data_formats.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "platform/data_file.h"
#include "platform/data_warnings.h"
#include "platform/message_box.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace actors {

namespace {

constexpr const char* kBarTitle = "bar.res";
// 그림파일을 읽을수 없어.
constexpr const char* kBarMissing =
    "\xB1\xD7\xB8\xB2\xC6\xC4\xC0\xCF\xC0\xBB \xC0\xD0\xC0\xBB\xBC\xF6 \xBE\xF8\xBE\xEE.";
constexpr const char* kBarEmpty =
    "\xB1\xD7\xB8\xB2\xC6\xC4\xC0\xCF\xC0\xCC \xC0\xCC\xBB\xF3\xC7\xD8";  // 그림파일이 이상해

void loadStatusBar() {
  auto& a = actorsState();
  // Cleared, so that rows a short or missing file leaves are colour 0.
  a.StatusBarPixels = std::make_unique<uint8_t[]>(kStatusBarBytes);
  constexpr const char* kPath = "grim\\bar.res";
  FILE* f = platform::openDataFileOrWarn(kPath, common::kStatusBarFileBound);
  if (!f) {
    platform::messageBox(kBarTitle, kBarMissing);
    return;
  }
  const size_t got = std::fread(a.StatusBarPixels.get(), 1, kStatusBarBytes, f);
  std::fclose(f);
  // The bar has as many rows as its file holds; only fewer than the rows shown are a fault.
  constexpr size_t kShown = size_t(kStatusBarRows) * kStatusBarWidth;
  if (got < kShown)
    platform::warnDataFile(kPath, got ? platform::endsAfter(got, kShown) : platform::kEmpty);
  if (got == 0) platform::messageBox(kBarTitle, kBarEmpty);
}

}  // namespace

int loadCommonResources(float heroX) {
  auto& a = actorsState();
  a.Hero = std::make_unique<Actor>();
  a.BubblePack = std::make_unique<gfx::SpritePack>();
  // The game never frees it before its end; a second load replaces the first.
  a.CursorPack = std::make_unique<gfx::SpritePack>();
  auto& FarLayer = gfx::gfxState().FarLayer;
  FarLayer = std::make_unique<gfx::BackgroundLayer>();
  a.Hero->sprites->load("CHAR1");
  a.Hero->x = heroX;
  FarLayer->load("bg");
  a.CursorPack->load("cursor");
  std::fill(world::worldState().EventFlags, world::worldState().EventFlags + world::kFlagCount, 0);
  loadStatusBar();
  a.BubblePack->load("bubble");
  return 0;
}

void freeCommonResources() {
  auto& a = actorsState();
  a.BubblePack.reset();
  world::deleteCurrentScene();
  auto& FarLayer = gfx::gfxState().FarLayer;
  if (FarLayer) FarLayer->release();
  FarLayer.reset();
  a.StatusBarPixels.reset();
  a.Hero.reset();
}

}  // namespace actors
