// balloons.cpp -- the text balloon typed out over the status bar, and the icon balloon over a
// character
#include "actors/balloons.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/common_resources.h"
#include "common/geometry.h"
#include "display/display_state.h"
#include "display/pixel_page.h"
#include "gfx/text_draw.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace actors {
namespace {

using world::worldState;

constexpr int kTitleY = 300;
constexpr int kTitleHome = 133;
// The title slides 8 pixels a frame for this many frames, then settles.
constexpr int kSlideFrames = 30;
constexpr int kSettleEnd = 46;
constexpr int kBodyX = 142;
constexpr int kRowStep = 14;
constexpr int kLookAhead = 15;
constexpr int kCursorX = 415;
constexpr int kCursorY = 345;
constexpr int kTickerLimit = 9999;
// Rows far beyond the page either way: a carrier's baseY from the map file is held within them
// before the balloon's row is worked out, so that the sum cannot overflow.
constexpr int kFarRows = 100000000;

void drawRow(const char* text, int x, int y, int colour) {
  gfx::drawText(display::displayState().APAGE.get(), x, y, text, colour);
}

bool leadByte(char c) { return uint8_t(c) >= 0x80; }

// Row i of the open block (0 the title). The end of the table reads as the
// block's end, so a block cut short by a faulty map stops there.
const char* blockRow(int i) {
  const int r = worldState().TextIndex + i;
  return r >= 0 && r < world::kTextLineCount ? world::eventTables().TextLines[r] : "}";
}

bool endsBlock(const char* row) { return row[0] == '}'; }

int rowY(int i) { return kTitleY + kRowStep * i; }

void drawTitle(const char* title, int t) {
  if (t < kSlideFrames) {
    drawOutline(title, 373 - 8 * t, kTitleY, kTitleOutline);
    return;
  }
  drawOutline(title, kTitleHome, kTitleY, kTitleOutline);
  const int face = t < kSettleEnd ? kTitleOutline - (t - kSlideFrames) / 2 : kTextFace;
  drawRow(title, kTitleHome, kTitleY, face);
}

void drawShownBody(int t) {
  for (int i = 1; !endsBlock(blockRow(i)); ++i) drawRow(blockRow(i), kBodyX, rowY(i), kTextFace);
  if (actorsState().CursorPack) actorsState().CursorPack->draw(kCursorX, kCursorY, (t % 24) / 8);
}

// The row's first m bytes (a two-byte character whole, so one more when m
// splits one), then the next 15 bytes one character at a time in the ramp
// that rises from the face colour.
void typeRow(const char* row, int n, int m, int y) {
  char typed[world::kCellSize];
  int k0 = 0;
  while (k0 < m) {
    typed[k0] = row[k0];
    ++k0;
    if (leadByte(row[k0 - 1]) && k0 < n) {
      typed[k0] = row[k0];
      ++k0;
    }
  }
  typed[k0] = '\0';
  drawRow(typed, kBodyX, y, kTextFace);
  int x = kBodyX + 8 * k0;
  for (int k = k0; k < k0 + kLookAhead && k < n; ++k) {
    char one[3] = {row[k], '\0', '\0'};
    int width = 8;
    if (leadByte(row[k]) && k + 1 < n) {
      one[1] = row[++k];
      width = 16;
    }
    // The colour counts the character's last byte.
    drawRow(one, x, y, kTextFace + (k - k0));
    x += width;
  }
}

// t is the number of bytes typed over all body rows together; rows after the
// one being typed are not drawn yet.
void typeBody(int t) {
  world::WorldState& w = world::worldState();
  int typedEnd = 0;
  for (int i = 1;; ++i) {
    const char* row = blockRow(i);
    if (endsBlock(row)) {
      // A block without body rows is complete at once, so the talk key can close it.
      if (i == 1) w.TextShown = 1;
      return;
    }
    const int n = int(std::strlen(row));
    typedEnd += n;
    if (typedEnd > t) {
      typeRow(row, n, t - (typedEnd - n), rowY(i));
      return;
    }
    drawRow(row, kBodyX, rowY(i), kTextFace);
    if (endsBlock(blockRow(i + 1))) {
      w.TextShown = 1;
      return;
    }
  }
}

void drawTextBalloon() {
  world::WorldState& w = world::worldState();
  const int t = w.TextTicker;
  drawTitle(blockRow(0), t);
  if (w.TextShown)
    drawShownBody(t);
  else
    typeBody(t);
  w.TextTicker = t + 1 >= kTickerLimit ? kTickerWrap : t + 1;
}

// 0 the hero, k the map actor in slot k - 1.
const Actor* iconCarrier() {
  if (world::worldState().IconOwner == 0) return actorsState().Hero.get();
  const world::Scene* scene = world::worldState().CurrentScene.get();
  const int slot = world::worldState().IconOwner - 1;
  return scene && slot < scene->actorCount ? scene->actors[slot].get() : nullptr;
}

// Six frames a kind: opening 5 frames each, open, then closing back.
int iconFrame(int t, int kind) {
  const int first = 6 * kind;
  if (t < 30) return first + t / 5;
  if (t < 100) return first + 5;
  return first + 5 - (t - 100) / 5;
}

// Lined up with the carrier's left edge, 20 rows above its standing frame's top.
void drawIconBalloon() {
  const int t = world::worldState().IconTicker;
  const Actor* c = iconCarrier();
  const world::Scene* scene = world::worldState().CurrentScene.get();
  const auto& BubblePack = actorsState().BubblePack;
  if (c && scene && BubblePack) {
    const int px = truncX(c->x) + common::kViewLeft;
    const int py = std::clamp(c->baseY, -kFarRows, kFarRows) - c->sprites->height(0) - 20;
    const int w = BubblePack->width(0);
    const int camera = scene->cameraX;
    if (px + w > camera + common::kViewLeft && px < camera + common::kViewRight - 1)
      BubblePack->draw(px - camera, py, iconFrame(t, world::worldState().IconKind));
  }
  world::worldState().IconTicker = t + 1;
  if (world::worldState().IconTicker >= kIconFrames) world::worldState().IconOwner = -1;
}

}  // namespace

void drawOutline(const char* text, int x, int y, int colour) {
  drawRow(text, x - 1, y, colour);
  drawRow(text, x + 1, y, colour);
  drawRow(text, x, y - 1, colour);
  drawRow(text, x, y + 1, colour);
}

void drawBalloons() {
  if (worldState().TextIndex != -1) drawTextBalloon();
  if (world::worldState().IconOwner >= 0) drawIconBalloon();
}

}  // namespace actors
