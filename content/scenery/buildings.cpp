// buildings.cpp -- village buildings: tiled and thatched houses, walls, fences, lanterns, jars
#include "buildings.h"

#include <algorithm>
#include <cmath>

#include "game_ramps.h"
#include "ground.h"

namespace scenery {
namespace {

using game::kSnow;
using game::kStone;
using game::kWood;

// Roof tiles are dark slate at night.
const Ramp kTile = Ramp{{1, 2, 33, 35, 37, 39, 41, 43}};
const Ramp kStraw = game::kOlive.slice(3, 12);

float eaveRow(const RoofShape& r, int x) {
  const float mid = float(r.x0 + r.x1) / 2.0f, half = float(r.x1 - r.x0) / 2.0f;
  const float u = std::abs(float(x) - mid) / half;
  const float curl = std::max(0.0f, (u - 0.4f) / 0.6f);
  return float(r.eaveY) - float(r.lift) * curl * curl;
}

float roofTop(const RoofShape& r, int x) {
  const float rl = float(r.x0 + r.ridgeInset), rr = float(r.x1 - r.ridgeInset);
  const float eave = eaveRow(r, x);
  if (r.kind == RoofKind::Thatch) {
    const float mid = float(r.x0 + r.x1) / 2.0f, half = float(r.x1 - r.x0) / 2.0f;
    const float u = (float(x) - mid) / half;
    return eave - float(r.eaveY - r.ridgeY) * std::pow(std::max(0.0f, 1.0f - u * u), 0.45f);
  }
  float f = 1.0f;
  if (float(x) < rl) f = (float(x) - float(r.x0)) / (rl - float(r.x0));
  if (float(x) > rr) f = (float(r.x1) - float(x)) / (float(r.x1) - rr);
  f = std::clamp(f, 0.0f, 1.0f);
  return eave - (eave - float(r.ridgeY + 3)) * std::pow(f, 0.7f);
}

void tileFace(Canvas& c, const RoofShape& r, int x, int y, float top, float eave) {
  const int column = (x - r.x0) % 3;
  const float down = (float(y) - top) / std::max(1.0f, eave - top);
  float t = (column == 0 ? 0.2f : column == 1 ? 0.55f : 0.75f) - 0.2f * down;
  if (r.kind == RoofKind::Shingles) {
    const int row = (y - r.ridgeY) / 3;
    const bool split = (x + row * 2) % 5 == 0 || (y - r.ridgeY) % 3 == 2;
    c.put(x, y, game::kWood.shade(split ? 0.1f : 0.3f - 0.1f * down, x, y));
    return;
  }
  c.put(x, y, kTile.shade(t, x, y));
}

// Snow on the roof's face, from its top down to `line`.
void roofSnow(Canvas& c, const RoofShape& r, int x, float top, float line) {
  const float rl = float(r.x0 + r.ridgeInset), rr = float(r.x1 - r.ridgeInset);
  const float mid = float(r.x0 + r.x1) / 2.0f, half = float(r.x1 - r.x0) / 2.0f;
  const float side = (float(x) - mid) / half;
  float face = 0.0f;  // hips turned to the moon are lighter, those turned away darker
  if (r.kind != RoofKind::Thatch) {
    if (float(x) < rl) face = 0.08f;
    if (float(x) > rr) face = -0.16f;
  } else {
    face = -0.2f * side;
  }
  const float striation = r.kind == RoofKind::Tiles && (x - r.x0) % 3 == 0 ? -0.06f : 0.0f;
  for (int y = int(std::ceil(top)) - 1; float(y) <= line; ++y) {
    const float down = (float(y) - top) / std::max(1.0f, line - top);
    float t = 0.97f - 0.28f * down + face + striation - 0.05f * std::max(0.0f, side);
    if (float(y) < top + 0.5f) t = 1.0f;
    c.put(x, y, game::kSnowDeep.shade(t, x, y));
  }
}

void eaveEdge(Canvas& c, const RoofShape& r, int x, float eave) {
  const int y = int(std::round(eave));
  if (r.kind == RoofKind::Thatch) {
    // Straw ends hanging in uneven strands.
    const int len = 2 + int(hash01(x, y, r.seed) * 3);
    for (int k = -1; k < len; ++k)
      c.put(x, y + k, kStraw.step((x % 3 == 0 ? 1 : 4 + x % 2) + (k < 1 ? 3 : 0)));
    return;
  }
  if (r.kind == RoofKind::Shingles) {
    c.put(x, y, kWood.step(3));
    c.put(x, y + 1, kWood.step(1));
    return;
  }
  // Round tile ends along the eaves, with rafter ends in the shadow under them.
  const int k = (x - r.x0) % 3;
  c.put(x, y - 1, k == 0 ? kTile.step(1) : kTile.step(k == 1 ? 5 : 4));
  c.put(x, y, k == 0 ? kTile.step(0) : kTile.step(3));
  c.put(x, y + 1, k == 1 ? kWood.step(5) : kWood.step(0));
}

void icicles(Canvas& c, const RoofShape& r) {
  for (int x = r.x0 + 2; x < r.x1 - 2; ++x) {
    const float h = hash01(x, r.eaveY, r.seed + 3);
    if (h > 0.16f) continue;
    const int y = int(std::round(eaveRow(r, x))) + 2;
    const int len = 1 + int(h * 30);
    for (int k = 0; k < len; ++k) c.put(x, y + k, kSnow.step(k == 0 ? 10 : 8 - std::min(k, 5)));
  }
}

void ridge(Canvas& c, const RoofShape& r) {
  const int rl = r.x0 + r.ridgeInset, rr = r.x1 - r.ridgeInset;
  for (int x = rl - 2; x <= rr + 2; ++x) {
    const int end = std::max(0, std::max(rl + 5 - x, x - (rr - 5)));
    const int y = r.ridgeY - (end * end) / 8;
    c.vline(x, y + 2, y + 5, kTile.step(1));
    c.put(x, y + 2, kTile.step(4));
    c.put(x, y + 4, kTile.step(x % 2 ? 0 : 2));
    c.put(x, y + 1, kSnow.step(11 - (x % 4 == 0)));
    c.put(x, y, kSnow.step(12));
    if (end == 0 && hash01(x, y, r.seed) < 0.5f) c.put(x, y - 1, kSnow.step(12));
  }
}

// A stone's worth of shading: lighter up and left.
int stoneShade(int x, int y, int sx0, int sy0, int sw, int sh, uint32_t seed) {
  const float u = float(x - sx0) / float(std::max(1, sw)),
              v = float(y - sy0) / float(std::max(1, sh));
  if (u <= 0.01f || v <= 0.01f) return kStone.step(1);
  const float t = 0.62f - 0.3f * u - 0.25f * v + 0.2f * (hash01(sx0, sy0, seed) - 0.5f);
  return kStone.shade(t, x, y);
}

void foundation(Canvas& c, int x0, int x1, int y0, int y1, uint32_t seed) {
  for (int row = y0; row <= y1; row += 3) {
    int x = x0 - int(hash01(row, 0, seed) * 5);
    while (x <= x1) {
      const int w = 4 + int(hash01(x, row, seed) * 6);
      for (int y = row; y < std::min(row + 3, y1 + 1); ++y)
        for (int px = std::max(x, x0); px < std::min(x + w, x1 + 1); ++px)
          c.put(px, y, stoneShade(px, y, x, row, w, 3, seed));
      x += w;
    }
  }
  for (int x = x0; x <= x1; ++x) c.put(x, y0 - 1, kSnow.step(11 - (x % 5 == 0)));
}

void pillar(Canvas& c, int x, int y0, int y1) {
  c.vline(x, y0, y1, kWood.step(8));
  c.vline(x + 1, y0, y1, kWood.step(6));
  c.vline(x + 2, y0, y1, kWood.step(3));
}

void plaster(Canvas& c, int x0, int y0, int x1, int y1, RoofKind roof, uint32_t seed) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const float n = fbm(float(x) / 5.0f, float(y) / 5.0f, seed, 2);
      if (roof == RoofKind::Thatch) {  // mud and straw
        const int index = kWood.shade(
            0.52f + 0.25f * (n - 0.5f) - 0.1f * float(y - y0) / float(y1 - y0 + 1), x, y);
        c.put(x, y, hash01(x, y, seed) < 0.04f ? kStraw.step(6) : index);
      } else if (roof == RoofKind::Shingles) {  // logs
        const int log = (y - y0) % 4;
        c.put(x, y,
              kWood.shade(log == 0   ? 0.12f
                          : log == 1 ? 0.45f + 0.1f * n
                                     : 0.33f + 0.1f * n,
                          x, y));
      } else {
        c.put(x, y,
              kStone.shade(0.74f + 0.14f * (n - 0.5f) - 0.08f * float(y - y0) / float(y1 - y0 + 1),
                           x, y));
      }
    }
}

}  // namespace

void drawRoof(Canvas& c, const RoofShape& r) {
  for (int x = r.x0; x <= r.x1; ++x) {
    const float eave = eaveRow(r, x), top = roofTop(r, x);
    for (int y = int(std::ceil(top)); float(y) <= eave; ++y) tileFace(c, r, x, y, top, eave);
    const float mid = float(r.x0 + r.x1) / 2.0f, half = float(r.x1 - r.x0) / 2.0f;
    const float u = std::abs(float(x) - mid) / half;
    const float bare =
        r.kind == RoofKind::Thatch ? 2.0f : 2.0f + 2.0f * hash01(x / 4, 1, r.seed) + u;
    roofSnow(c, r, x, top, eave - bare);
    eaveEdge(c, r, x, eave);
  }
  if (r.kind == RoofKind::Tiles) ridge(c, r);
  if (r.kind != RoofKind::Thatch) icicles(c, r);
}

void drawPaperWindow(Canvas& c, int x0, int y0, int x1, int y1, bool lit) {
  const float cx = float(x0 + x1) / 2.0f, cy = float(y0 + y1) / 2.0f;
  const float rx = float(x1 - x0) / 2.0f, ry = float(y1 - y0) / 2.0f;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const bool frame = x == x0 || x == x1 || y == y0 || y == y1;
      const bool bar = (x - x0) % 3 == 0 || (y - y0) % std::max(3, (y1 - y0) / 3) == 0;
      int index;
      if (frame) {
        index = kWood.step(y == y1 ? 7 : 2);
      } else if (bar) {
        index = lit ? game::kSunset.step(7) : kWood.step(3);
      } else if (lit) {
        const float dx = (float(x) - cx) / rx, dy = (float(y) - cy) / ry;
        index = game::kLamp.shade(1.0f - 0.45f * (dx * dx + dy * dy), x, y);
      } else {
        index = game::kNight.shade(0.38f - 0.1f * float(y - y0) / float(y1 - y0), x, y);
      }
      c.put(x, y, index);
    }
}

Box bayBox(const HousePlan& h, int b) {
  const int wallBottom = h.baseY - h.foundation;
  const int wallTop = wallBottom - h.wallHeight;
  const float bayWidth = float(h.x1 - h.x0 - 2) / float(h.bays.size());
  return {h.x0 + int(float(b) * bayWidth) + 3, wallTop + 2, h.x0 + int(float(b + 1) * bayWidth) - 1,
          wallBottom - 2};
}

int drawHouse(Canvas& c, const HousePlan& h) {
  const int wallBottom = h.baseY - h.foundation;
  const int wallTop = wallBottom - h.wallHeight;
  foundation(c, h.x0 - 2, h.x1 + 2, wallBottom + 1, h.baseY, h.seed);
  const int bays = int(h.bays.size());
  const float bayWidth = float(h.x1 - h.x0 - 2) / float(bays);
  plaster(c, h.x0, wallTop, h.x1, wallBottom, h.roof, h.seed);
  for (int b = 0; b < bays; ++b) {
    const Box box = bayBox(h, b);
    const int bx0 = box.x0, bx1 = box.x1;
    const int inner = bx1 - bx0;
    const bool lit = h.bays[size_t(b)] == Bay::Window || h.bays[size_t(b)] == Bay::Door;
    switch (h.bays[size_t(b)]) {
      case Bay::Window:
      case Bay::DarkWindow:
        drawPaperWindow(c, bx0 + inner / 5, wallTop + 5, bx1 - inner / 5,
                        wallTop + 5 + std::max(8, h.wallHeight * 9 / 20), lit);
        break;
      case Bay::Door:
      case Bay::DarkDoor:
        drawPaperWindow(c, bx0 + 2, wallTop + 4, bx1 - 2, wallBottom - 2, lit);
        break;
      case Bay::Shop:
      case Bay::Wall:
        if (h.roof == RoofKind::Tiles)
          c.hline(bx0, bx1, wallTop + h.wallHeight * 2 / 3, kWood.step(5));
        break;
    }
    if (lit)
      warmGlow(c, float(bx0 + bx1) / 2.0f, float(h.baseY) + 2.0f, float(inner) * 0.9f, 9.0f, 0.9f);
  }
  for (int b = 0; b <= bays; ++b) pillar(c, h.x0 + int(float(b) * bayWidth), wallTop, wallBottom);
  c.rect(h.x0, wallTop, h.x1, wallTop + 1,
         [](int x, int y) { return kWood.step(y % 2 ? 3 : 6) + (x % 7 == 0); });
  c.rect(h.x0, wallBottom - 1, h.x1, wallBottom,
         [](int, int y) { return kWood.step(y % 2 ? 2 : 5); });
  const int eaveY = wallTop - 1;
  RoofShape roof{h.x0 - h.overhang,
                 h.x1 + h.overhang,
                 eaveY,
                 eaveY - h.roofHeight,
                 std::max(8, (h.x1 - h.x0) / 6),
                 h.roof == RoofKind::Tiles ? h.roofHeight / 4 + 2 : 0,
                 h.roof,
                 h.seed};
  if (h.roof != RoofKind::Thatch) {
    // The shadow under the eaves on the wall.
    for (int x = h.x0; x <= h.x1; ++x)
      for (int y = wallTop + 2; y < wallTop + 4; ++y)
        if (bayer(x, y) < 0.5f) c.put(x, y, kWood.step(2));
  }
  drawRoof(c, roof);
  return eaveY;
}

void drawChimney(Canvas& c, int x, int baseY, int height, uint32_t seed) {
  const int top = baseY - height;
  for (int y = top + 2; y <= baseY; ++y)
    for (int px = x - 3; px <= x + 3; ++px) {
      const int course = (y - top) / 3;
      const bool joint = (y - top) % 3 == 0 || (px + course * 2) % 5 == 0;
      c.put(px, y, joint ? kStone.step(2) : kStone.shade(0.55f - 0.06f * float(px - x), px, y));
    }
  c.hline(x - 4, x + 4, top + 1, kTile.step(2));
  c.hline(x - 4, x + 4, top, kSnow.step(11));
  c.hline(x - 3, x + 3, top - 1, kSnow.step(12));
  drawSmoke(c, x, top - 2, 30, seed);
}

void drawFence(Canvas& c, int x0, int x1, int baseY, int height, uint32_t seed) {
  const int top = baseY - height;
  for (int x = x0; x <= x1; ++x) {
    const int twigTop = top + int(hash01(x, 0, seed) * 3);
    for (int y = twigTop; y <= baseY; ++y) {
      const int shade = x % 2 == 0 ? 5 : (x % 3 == 0 ? 3 : 7);
      c.put(x, y, kWood.step(shade + (y - twigTop < 2 ? 1 : 0)));
    }
  }
  for (int band : {top + height / 3, top + 2 * height / 3}) {
    c.hline(x0, x1, band, kWood.step(2));
    c.hline(x0, x1, band + 1, kWood.step(8));
  }
  for (int x = x0; x <= x1; x += 24)
    c.rect(x, top - 2, x + 1, baseY, [](int px, int) { return kWood.step(px % 2 ? 3 : 9); });
  capWithSnow(c, x0, x1, top - 3, 2, seed);
  drawDrift(c, x0, x1, baseY, 3, seed + 1);
}

void drawStoneWall(Canvas& c, int x0, int x1, int baseY, int height, uint32_t seed) {
  const int top = baseY - height;
  c.rect(x0, top, x1, baseY, [](int, int) { return kWood.step(1); });
  for (int row = baseY; row > top + 2; row -= 5) {
    int x = x0 - int(hash01(row, 1, seed) * 6);
    while (x <= x1) {
      const int w = 6 + int(hash01(x, row, seed) * 5);
      const float cx = float(x) + float(w) / 2.0f, cy = float(row) - 2.5f;
      c.ellipse(cx, cy, float(w) / 2.0f, 2.8f, [&](int px, int py) {
        if (px < x0 || px > x1) return -1;
        const float lit = (cx - float(px)) / float(w) + (cy - float(py)) / 5.0f;
        return kStone.shade(0.5f + 0.5f * lit + 0.15f * (hash01(x, row, seed + 2) - 0.5f), px, py);
      });
      x += w;
    }
  }
  c.rect(x0 - 2, top - 1, x1 + 2, top + 1,
         [](int x, int y) { return kTile.step(y % 2 ? 2 : 4) - (x % 3 == 0); });
  capWithSnow(c, x0 - 2, x1 + 2, top - 4, 3, seed);
}

void drawLanternPost(Canvas& c, int x, int baseY, int height, bool lit, bool red) {
  const int top = baseY - height;
  c.rect(x, top, x + 1, baseY, [](int px, int) { return kWood.step(px % 2 ? 2 : 5); });
  c.hline(x - 1, x + 7, top + 2, kWood.step(3));
  c.hline(x - 1, x + 2, top - 1, kSnow.step(12));
  c.hline(x, x + 7, top + 1, kSnow.step(11));
  const int lx = x + 6, ly = top + 4;
  c.vline(lx, ly - 1, ly, kWood.step(1));
  const Ramp body = red ? game::kRed : game::kLamp;
  c.ellipse(float(lx) + 0.5f, float(ly) + 5.5f, 3.2f, 4.2f, [&](int px, int py) {
    if (!lit)
      return red ? game::kRed.step(1 + (py % 3 == 0 ? 0 : 1))
                 : game::kNight.step(5 + (py % 3 ? 1 : 0));
    const float d = std::hypot(float(px) - float(lx) - 0.5f, float(py) - float(ly) - 5.5f) / 4.0f;
    if (red) return d < 0.45f ? game::kLamp.step(9) : body.shade(0.95f - 0.5f * d, px, py);
    return game::kLamp.shade(1.0f - 0.7f * d, px, py);
  });
  c.hline(lx - 2, lx + 2, ly + 1, kWood.step(1));
  c.hline(lx - 2, lx + 2, ly + 10, kWood.step(1));
  c.put(lx, ly + 11, kWood.step(3));
  c.hline(lx - 1, lx + 1, ly, kSnow.step(12));
  if (lit) warmGlow(c, float(lx), float(baseY), 10.0f, 4.0f, 0.6f);
}

void drawJars(Canvas& c, int x0, int x1, int baseY, uint32_t seed) {
  foundation(c, x0, x1, baseY - 3, baseY, seed);
  int x = x0 + 3;
  int k = 0;
  while (x < x1 - 8) {
    const float size = 0.6f + 0.4f * hash01(k, 0, seed);
    const float rx = 6.5f * size + 1.5f, ry = 8.0f * size + 2.0f;
    const float cx = float(x) + rx, cy = float(baseY - 4) - ry;
    c.ellipse(cx, cy, rx, ry, [&](int px, int py) {
      const float u = (float(px) - cx) / rx, v = (float(py) - cy) / ry;
      if (u < -0.55f && v < -0.2f && v > -0.6f) return game::kSnow.step(5);  // glaze glint
      return kWood.shade(0.32f - 0.25f * u - 0.1f * v, px, py);
    });
    c.rect(int(cx - rx * 0.5f), int(cy - ry) - 1, int(cx + rx * 0.5f), int(cy - ry) + 1,
           [](int px, int) { return kWood.step(px % 2 ? 4 : 6); });
    c.ellipse(cx, cy - ry - 1.0f, rx * 0.75f, 2.5f, [&](int px, int py) {
      return game::kSnow.shade(1.0f - 0.35f * (float(px) - cx) / rx, px, py);
    });
    x += int(2 * rx) + 2;
    ++k;
  }
}

void drawBoard(Canvas& c, int x0, int y0, int x1, int y1) {
  c.rect(x0, y0, x1, y1, [&](int x, int y) {
    if (x == x0 || x == x1 || y == y0 || y == y1) return kWood.step(0);
    if (x == x0 + 1 || y == y0 + 1) return kWood.step(7);
    if (x == x1 - 1 || y == y1 - 1) return kWood.step(4);
    return kWood.step(y % 3 == 0 ? 2 : 3);
  });
}

void drawLogPile(Canvas& c, int x0, int x1, int baseY, int rows, uint32_t seed) {
  const float r = 3.5f;
  for (int row = 0; row < rows; ++row) {
    const float cy = float(baseY) - r - float(row) * (2 * r - 1);
    const float start = float(x0) + r + (row % 2 ? r : 0) + float(row);
    const float end = float(x1) - r - float(row);
    for (float cx = start; cx <= end; cx += 2 * r) {
      c.ellipse(cx, cy, r, r, [&](int px, int py) {
        const float d = std::hypot(float(px) + 0.5f - cx, float(py) + 0.5f - cy) / r;
        if (d > 0.78f) return kWood.step(2);
        if (d > 0.62f && d < 0.72f) return kWood.step(9);
        return kWood.step(d < 0.3f ? 10 : 12 - int(hash01(px, py, seed) * 2));
      });
    }
  }
  capWithSnow(c, x0, x1, baseY - rows * 7 - 4, 2, seed);
}

void drawBench(Canvas& c, int x0, int x1, int baseY) {
  for (int lx : {x0 + 3, x1 - 4})
    c.rect(lx, baseY - 8, lx + 1, baseY, [](int x, int) { return kWood.step(x % 2 ? 2 : 5); });
  c.rect(x0, baseY - 10, x1, baseY - 9, [](int, int y) { return kWood.step(y % 2 ? 4 : 8); });
  c.rect(x0 + 1, baseY - 17, x1 - 1, baseY - 15,
         [](int, int y) { return kWood.step(y % 2 ? 4 : 7); });
  for (int lx : {x0 + 3, x1 - 4})
    c.rect(lx, baseY - 17, lx + 1, baseY - 10, [](int, int) { return kWood.step(3); });
  c.hline(x0, x1, baseY - 11, kSnow.step(12));
  c.hline(x0 + 1, x1 - 1, baseY - 18, kSnow.step(11));
}

}  // namespace scenery
