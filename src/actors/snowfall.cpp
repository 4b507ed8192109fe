// snowfall.cpp -- moving, landing, trampling and drawing the snow
#include "actors/snowfall.h"

#include <algorithm>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "common/data_formats.h"
#include "common/random.h"
#include "display/display_state.h"
#include "display/pixel_page.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace actors {

namespace {

constexpr uint8_t kNearColour = 16;  // near flakes and the pile
constexpr uint8_t kMidColour = 17;
constexpr uint8_t kFarColour = 18;
// Flakes fall over the map area of the view.
constexpr int kTopRow = common::kViewTop;
constexpr int kMapRows = common::kMapAreaHeight;
constexpr int kMapBottom = kTopRow + kMapRows;  // 305
// Near flakes move in half-pixels across the map.
constexpr int kNearColumns = 2 * common::kMapWidth;

// A remainder of a fresh value of the game's one generator, never negative.
int r(int k) { return common::gameRand() % k; }

int cameraX() {
  return world::worldState().CurrentScene ? world::worldState().CurrentScene->cameraX : 0;
}
int farScroll() { return gfx::gfxState().FarLayer ? gfx::gfxState().FarLayer->scrollX : 0; }

void plot(display::PixelPage& page, int x, int y, uint8_t colour) {
  if (x >= 0 && x < display::kPageWidth && y >= 0 && y < display::kPageHeight)
    page.PutPixel(x, y, colour);
}

bool canDraw() {
  const auto& page = display::displayState().APAGE;
  return page && page->bound();
}

void moveFar(SnowSlot& s) {
  // Remainders 0..4 give -1, -1, 0, 0, +1: the far layer drifts left on average.
  s.farX += (r(5) - 2) >> 1;
  s.farY += r(2);
  if (s.farX < 0) s.farX = common::kFarWidth - 1;
  if (s.farX > common::kFarWidth) s.farX = 0;  // 800 itself stays
  if (s.farY >= kMapBottom) s.farY = 126;
}

void moveMiddle(ActorsState& a, SnowSlot& s) {
  s.midX += r(3) - 1;
  s.midY += 1;
  if (s.midX < 0) s.midX = kPileColumns - 1;
  if (s.midX > kPileColumns - 1) s.midX = 0;
  if (s.midY >= 285) {
    if (a.SnowDepth[s.midX] < kFullPile) ++a.SnowDepth[s.midX];
    s.midY = kTopRow;
  }
}

void moveNear(SnowSlot& s) {
  s.nearX += r(5) - 2;
  s.nearY += 2;
  if (s.nearX < 0) s.nearX = kNearColumns - 1;
  if (s.nearX > kNearColumns - 1) s.nearX = 0;
  if (s.nearY >= kMapBottom) s.nearY = 126;
}

}  // namespace

void initSnow(int n) {
  // The table has room for 2n middle flakes.
  n = std::clamp(n, 0, kSnowSlots / 2);
  auto& a = actorsState();
  std::fill(a.SnowDepth, a.SnowDepth + kPileColumns, kFullPile);
  a.SnowNearCount = n;
  a.SnowFarCount = n / 2;
  a.SnowMidCount = 2 * n;
  for (int j = 0; j < a.SnowFarCount; ++j) {
    a.SnowSlots[j].farX = r(common::kFarWidth);
    a.SnowSlots[j].farY = r(kMapRows) + kTopRow;
  }
  for (int j = 0; j < a.SnowMidCount; ++j) {
    a.SnowSlots[j].midX = r(common::kMapWidth);
    a.SnowSlots[j].midY = r(kMapRows) + kTopRow;
  }
  for (int j = 0; j < a.SnowNearCount; ++j) {
    a.SnowSlots[j].nearX = r(kNearColumns);
    a.SnowSlots[j].nearY = r(kMapRows) + kTopRow;
  }
}

void updateSnow() {
  auto& a = actorsState();
  for (int j = 0; j < a.SnowFarCount; ++j) moveFar(a.SnowSlots[j]);
  for (int j = 0; j < a.SnowMidCount; ++j) moveMiddle(a, a.SnowSlots[j]);
  for (int j = 0; j < a.SnowNearCount; ++j) moveNear(a.SnowSlots[j]);
}

void trampleSnow(float x) {
  const int left = truncX(x);
  auto& a = actorsState();
  for (int k = 10; k < 30; ++k) {
    const int c = left + k;
    if (c >= 0 && c < kPileColumns) a.SnowDepth[c] = 1;
  }
}

void drawSnowFar() {
  if (!canDraw()) return;
  auto& a = actorsState();
  display::PixelPage& page = *display::displayState().APAGE;
  const int s = farScroll();
  for (int j = 0; j < a.SnowFarCount; ++j) {
    const SnowSlot& f = a.SnowSlots[j];
    // The edge values themselves are not drawn.
    if (s < f.farX && f.farX < s + common::kViewWidth - 1)
      plot(page, f.farX - s + common::kViewLeft, f.farY, kFarColour);
  }
}

void drawSnowMiddle() {
  if (!canDraw()) return;
  auto& a = actorsState();
  display::PixelPage& page = *display::displayState().APAGE;
  const int c = cameraX();
  for (int j = 0; j < a.SnowMidCount; ++j) {
    const SnowSlot& f = a.SnowSlots[j];
    if (c < f.midX && f.midX < c + common::kViewWidth - 1)
      plot(page, f.midX - c + common::kViewLeft, f.midY, kMidColour);
  }
}

void drawSnowNear() {
  if (!canDraw()) return;
  auto& a = actorsState();
  display::PixelPage& page = *display::displayState().APAGE;
  const int c = cameraX();
  for (int j = 0; j < a.SnowNearCount; ++j) {
    const SnowSlot& f = a.SnowSlots[j];
    const int h = f.nearX / 2;
    // Only h from c + 256 to c + 575 reaches the view; the rest falls into the margins.
    if (c < h && h < c + 639) plot(page, h - c - 128, f.nearY, kNearColour);
  }
}

void drawSnowPile() {
  if (!canDraw()) return;
  auto& a = actorsState();
  display::PixelPage& page = *display::displayState().APAGE;
  const int c = cameraX();
  for (int m = std::max(c, 0); m < std::min(c + common::kViewWidth, kPileColumns); ++m)
    for (int j = 0; j < a.SnowDepth[m]; ++j)
      plot(page, m - c + common::kViewLeft, common::kBaseline - j, kNearColour);
}

}  // namespace actors
