// map_heights.cpp -- maps 37 (the icy valley with its chasm) and 42 (the lantern hill)
#include <algorithm>
#include <cmath>

#include "buildings.h"
#include "game_ramps.h"
#include "map_common.h"
#include "rocks.h"
#include "trees.h"

namespace scenery {
namespace {

using game::kSnow;
using game::kWood;

constexpr int kBase = 157;

// --- Map 37: the icy valley --------------------------------------------------------------

constexpr int kChasm = 1080;  // the chasm runs from here to the map's right edge

float cliffTop(int x) {
  const float n = fbm(float(x) / 110.0f, 0.4f, 371, 4);
  const float jag = valueNoise(float(x) / 7.0f, 2.0f, 372) - 0.5f;
  // Buttresses stand out of the wall here and there.
  const float buttress = std::max(0.0f, std::sin(float(x) / 47.0f) - 0.6f) * 40.0f;
  return 50.0f + 150.0f * (n - 0.45f) + 6.0f * jag - buttress;
}

// A frozen waterfall down the cliff: pale ice in long vertical runs, icicles at its lip.
void frozenFall(Canvas& c, int x0, int x1, int y0, int y1) {
  const Ramp ice{{28, 27, 26, 131, 25, 132, 24, 133, 23, 22, 21, 20}};
  for (int x = x0; x <= x1; ++x) {
    const float u = float(x - x0) / float(x1 - x0);
    const float bulge = 3.0f * std::sin(u * 3.14159f);
    for (int y = y0 + int(2.0f * hash01(x, 0, 373)); y <= y1; ++y) {
      const float w = float(x1 - x0) / 2.0f + bulge * float(y - y0) / float(y1 - y0);
      if (std::abs(float(x) - float(x0 + x1) / 2.0f) > w) continue;
      const float run = valueNoise(float(x) / 1.6f, float(y) / 30.0f, 374);
      c.put(x, y, ice.shade(0.3f + 0.7f * run - 0.35f * u, x, y));
    }
  }
  // The pool at its foot, frozen over.
  c.ellipse(float(x0 + x1) / 2.0f, float(y1), float(x1 - x0) * 0.9f, 3.0f,
            [&](int x, int y) { return ice.shade(0.55f + 0.4f * float(y1 - y) / 3.0f, x, y); });
}

// The chasm: below the lane's edge the rock falls away into the dark; beyond it the mist
// fills the gorge and its far wall rises on the right, lit by the moon.
void chasm(Canvas& c) {
  const Ramp deep{{32, 33, 34, 35, 36, 37, 38, 39, 40}};
  for (int x = kChasm; x < kMapWidth; ++x)
    for (int y = 118; y < kMapHeight; ++y) {
      const float mist = std::max(0.0f, 1.0f - std::abs(float(y) - 126.0f) / 12.0f) *
                         (0.7f + 0.6f * (fbm(float(x) / 40.0f, float(y) / 5.0f, 375, 2) - 0.5f));
      const float t = 0.6f - 0.75f * float(y - 118) / 58.0f + 0.6f * mist;
      if (y < 122 && t < bayer(x, y) + 0.3f) continue;  // the mist's ragged top
      c.put(x, y, deep.shade(t, x, y));
    }
  // The far wall across the gorge, its face turned toward us going down into the mist.
  drawRock(
      c, 1188, kMapWidth - 1,
      [](int x) {
        return 58.0f + 18.0f * fbm(float(x) / 30.0f, 0.0f, 376, 3) +
               30.0f * std::max(0.0f, float(1200 - x)) / 12.0f;
      },
      128, 377, 0.45f);
  for (int y = 116; y < 132; ++y)
    for (int x = 1188; x < kMapWidth; ++x)
      if (float(y - 116) / 16.0f > bayer(x, y) && c.at(x, y) != kClear)
        c.put(x, y, deep.step(6 + (y < 124)));
  // The back cliffs end in a face in shadow where the gorge cuts through them.
  for (int y = 0; y < kGroundRow; ++y)
    for (int x = kChasm - 8; x < kChasm; ++x)
      if (c.at(x, y) != kClear && float(kChasm - x) < 8.0f * bayer(x, y) + 1.0f)
        c.put(x, y, deep.step(2 + (y % 5 == 0)));
  // The near edge: the lane's snow ends in a lip of rock falling away below it.
  for (int y = kGroundRow; y < kMapHeight; ++y) {
    const int lip = kChasm + int(float(y - kGroundRow) * 0.35f) + int(hash01(0, y, 378) * 2);
    for (int x = kChasm - 4; x <= lip; ++x)
      c.put(x, y,
            y <= kGroundRow + 1 ? kSnow.step(12 - (x >= lip - 1))
                                : deep.step(x >= lip - 1 ? 6 : 4 - ((x + y) % 3 == 0)));
  }
}

// The gantry with its winch. The drawbridge itself, with the chain that hangs from the
// beam's right end, is a map actor (the sprite pack "bridge"), so the story can lower it.
void gantry(Canvas& c) {
  for (int px : {1040, 1064})
    c.rect(px, 50, px + 3, kBase + 1, [px](int x, int) {
      return kWood.step(x == px ? 9 : x == px + 3 ? 2 : 5);
    });
  c.rect(1034, 48, 1070, 52, [](int, int y) { return kWood.step(y == 48 ? 9 : y == 52 ? 2 : 5); });
  capWithSnow(c, 1034, 1070, 44, 2, 379);
  // The winch wheel.
  const float wx = 1052, wy = 134, r = 8;
  c.ellipse(wx, wy, r, r, [&](int x, int y) {
    const float d = std::hypot(float(x) + 0.5f - wx, float(y) + 0.5f - wy);
    return d > r - 1.6f ? kWood.step(d > r - 0.8f ? 2 : 7) : -1;
  });
  for (int k = 0; k < 4; ++k) {
    const float a = float(k) * 0.785f;
    c.line(int(wx - std::cos(a) * 6), int(wy - std::sin(a) * 6), int(wx + std::cos(a) * 6),
           int(wy + std::sin(a) * 6), kWood.step(4));
  }
  c.rect(1050, 132, 1053, 135, [](int, int) { return game::kGrey.step(6); });
  c.line(1052, 126, 1052, 53, game::kGrey.step(7));
}

}  // namespace

Canvas drawMap37() {
  Canvas c =
      startMap([](int x) { return 144.0f - 4.0f * fbm(float(x) / 30.0f, 0.0f, 381, 2); }, 3700);
  drawRock(c, 0, kChasm - 1, cliffTop, 146, 382, 0.0f);
  frozenFall(c, 392, 412, 62, 146);
  drawField(
      c, 0, kChasm - 1, [](int x) { return 146.0f - 3.0f * fbm(float(x) / 25.0f, 0.0f, 383, 2); },
      3701);
  for (int x : {40, 180, 300, 530, 780, 960})
    drawBoulder(c, x, 152, 26 + x % 14, 12 + x % 6, uint32_t(x));
  for (int x : {110, 450, 620, 840}) drawBoulder(c, x, 158, 18 + x % 9, 8 + x % 4, uint32_t(x) + 1);
  drawBareTree(c, 686, 156, 70, 3702, false, middleLook());
  drawPine(c, 250, 156, 74, 3703, middleLook());
  drawPine(c, 560, 155, 60, 3704, middleLook());
  chasm(c);
  // The bridge keeper's hut, its lantern lit by the door.
  drawHouse(c, {886,
                994,
                kBase,
                3,
                32,
                24,
                9,
                {Bay::Window, Bay::Wall, Bay::Door},
                RoofKind::Shingles,
                3705});
  drawChimney(c, 904, 114, 14, 3706);
  drawLanternPost(c, 1002, kBase + 1, 40, true, false);
  gantry(c);
  drawPine(c, 20, 158, 104, 3707, nearLook());
  return c;
}

// --- Map 42: the lantern hill ------------------------------------------------------------

namespace {

constexpr int kViewEnd = 560;  // the lookout over the valley runs from the left edge to here

// The hill rising to the right behind the lane.
float hillTop(int x) {
  const float u = std::clamp(float(x - 380) / 900.0f, 0.0f, 1.0f);
  const float rise = u * u * (3.0f - 2.0f * u);
  return 150.0f - 96.0f * rise - 5.0f * (fbm(float(x) / 40.0f, 0.0f, 421, 2) - 0.5f);
}

// The valley far below the lookout: fields of snow in the haze, dark copses, a frozen
// stream, and the village: little roofs, lit windows and smoke.
void valley(Canvas& c) {
  const Ramp haze{{34, 35, 36, 37, 38, 39, 40, 29, 28, 27, 26, 25}};
  for (int x = 0; x <= kViewEnd + 60; ++x) {
    const float top = 116.0f + 6.0f * fbm(float(x) / 60.0f, 0.0f, 422, 3);
    for (int y = int(top); y < kGroundRow; ++y) {
      const float field = fbm(float(x) / 45.0f, float(y) / 6.0f, 423, 3);
      float t = 0.78f + 0.3f * (field - 0.5f) - 0.006f * (float(y) - top);
      if (float(y) - top < 1.0f) t = 0.95f;
      c.put(x, y, haze.shade(t, x, y));
    }
  }
  // Copses: dark clumps of tiny firs.
  for (int x = 4; x < kViewEnd + 60; x += 5) {
    if (fbm(float(x) / 40.0f, 5.0f, 424, 2) < 0.52f) continue;
    const int h = 4 + int(hash01(x, 1, 424) * 7), base = 122 + int(hash01(x, 2, 424) * 6);
    for (int i = 0; i < h; ++i)
      for (int dx = -(i / 3); dx <= i / 3; ++dx)
        c.put(x + dx, base - h + i, game::kNight.step(i == 0 ? 7 : 2 + (dx < 0)));
  }
  // The stream, a pale winding line.
  for (int x = 0; x <= kViewEnd + 60; ++x) {
    const int y = 146 + int(3.0f * std::sin(float(x) / 37.0f) + 1.5f * std::sin(float(x) / 11.0f));
    c.put(x, y, 133);
    c.put(x, y + 1, kSnow.step(7));
  }
  // The village: houses clustered in two hamlets, each a snowy roof over a dark wall with
  // a lit window or two.
  for (int k = 0; k < 34; ++k) {
    const bool first = k % 3 != 0;
    const float spread = first ? 150.0f : 90.0f;
    const int x = (first ? 150 : 420) + int((hash01(k, 0, 425) - 0.5f) * 2.0f * spread);
    const int y = 128 + int(hash01(k, 1, 425) * 14);
    const int w = 6 + int(hash01(k, 2, 425) * 6);
    c.rect(x, y, x + w, y + 2, [](int, int) { return game::kNight.step(3); });
    c.put(x + 1 + k % (w - 2), y + 1, game::kLamp.step(k % 2 ? 6 : 10));
    if (k % 3 == 0) c.put(x + w - 2, y + 1, game::kLamp.step(8));
    c.polygon({{float(x) - 1.5f, float(y) + 0.5f},
               {float(x) + 1.5f, float(y) - 2.5f},
               {float(x + w) - 1.5f, float(y) - 2.5f},
               {float(x + w) + 1.5f, float(y) + 0.5f}},
              [](int px, int py) { return py == 0 ? 0 : kSnow.step(px % 3 ? 11 : 9); });
    if (k % 5 == 0)
      for (int i = 0; i < 7; ++i) c.put(x + w - 2 + i / 3, y - 4 - i, kSnow.step(4 + (i % 2)));
  }
}

// The lookout's railing: posts and two rails, open so the valley shows between them.
void railing(Canvas& c, int x0, int x1) {
  for (int x = x0; x <= x1; x += 32) {
    c.rect(x, kBase - 16, x + 2, kBase, [](int px, int) {
      return kWood.step(px % 3 == 0 ? 8 : px % 3 == 1 ? 5 : 2);
    });
    c.hline(x - 1, x + 3, kBase - 17, kSnow.step(12));
  }
  for (int rail : {kBase - 14, kBase - 7}) {
    c.rect(x0, rail, x1, rail + 1, [](int, int y) { return kWood.step(y % 2 ? 3 : 7); });
    for (int x = x0; x <= x1; ++x)
      if (hash01(x / 3, rail, 428) < 0.75f) c.put(x, rail - 1, kSnow.step(12 - (x % 7 == 0)));
  }
}

// The hill's face: snow rolling over the slope in soft bands, lit along its crest.
void hillFace(Canvas& c) {
  for (int x = 300; x < kMapWidth; ++x) {
    const float top = hillTop(x);
    const float depth = float(kGroundRow) - top;
    for (int y = int(std::ceil(top)); y < kGroundRow; ++y) {
      const float v = (float(y) - top) / depth;
      const float band = std::sin(v * 17.0f + 3.0f * fbm(float(x) / 90.0f, 0.0f, 426, 2) * 6.0f);
      float t = 0.86f - 0.25f * v + 0.07f * band +
                0.15f * (fbm(float(x) / 50.0f, float(y) / 10.0f, 427, 3) - 0.5f);
      if (float(y) - top < 1.5f) t = 1.0f;
      c.put(x, y, game::kSnowDeep.shade(t, x, y));
    }
  }
}

// The path up the hill: a trodden band winding up the slope, steps where it is steep, and
// posts with a rope along it.
float pathRow(int x) {
  const float top = hillTop(x);
  return top + (float(kGroundRow) - top) * (0.32f + 0.14f * std::sin(float(x) / 70.0f));
}

void hillPath(Canvas& c) {
  for (int x = 420; x < kMapWidth - 4; ++x) {
    const int y = int(pathRow(x));
    c.put(x, y - 1, kSnow.step(12));
    c.put(x, y, kSnow.step(8));
    c.put(x, y + 1, kSnow.step(7));
    c.put(x, y + 2, kSnow.step(5));
    if (x % 7 == 0 && pathRow(x + 7) < float(y) - 1.5f) {
      c.hline(x, x + 3, y + 1, game::kStone.step(9));
      c.hline(x, x + 3, y + 2, game::kStone.step(5));
    }
  }
  for (int x = 440; x < kMapWidth - 20; x += 46) {
    const int y = int(pathRow(x));
    c.vline(x, y - 6, y + 1, kWood.step(3));
    c.put(x, y - 7, kSnow.step(12));
    const int nx = x + 46;
    const int ny = int(pathRow(nx));
    for (int k = 1; k < 46; ++k) {
      const float f = float(k) / 46.0f;
      c.put(x + k, int(float(y - 5) + float(ny - y) * f + 2.0f * std::sin(f * 3.14159f)),
            game::kOlive.step(6));
    }
  }
}

void hill(Canvas& c) {
  // Small firs along the crest, dark against the sky.
  const TreeLook far{Ramp{{32, 33, 34, 35, 36}}, kSnow.slice(2, 8), Ramp{{32, 33}}, -1};
  for (int x = 700; x < kMapWidth; x += 13) {
    if (hash01(x, 0, 429) < 0.35f) continue;
    drawPine(c, x + int(hash01(x, 1, 429) * 8), int(hillTop(x)) + 4,
             12 + int(hash01(x, 2, 429) * 14), uint32_t(x) + 430, far);
  }
  hillFace(c);
  hillPath(c);
  const TreeLook mid = middleLook();
  for (int x : {470, 545, 640, 700, 1085, 1230}) {
    const int base = int(hillTop(x)) + 10 + x % 9;
    drawPine(c, x, base, 26 + x % 23, uint32_t(x), mid);
  }
  for (int x : {600, 780, 880, 1040}) drawBoulder(c, x, int(pathRow(x)) + 12, 14, 5, uint32_t(x));
  for (int x : {520, 820, 990}) drawBush(c, x, int(pathRow(x)) - 4, 14, 5, uint32_t(x), false);
}

// A stone lantern: plinth, pillar, a fire box with its dark window, and a cap with
// upturned corners; its foot on baseY, centred on cx.
void stoneLantern(Canvas& c, int cx, int baseY) {
  const Ramp stone = game::kStone;
  auto slab = [&](int half, int y0, int y1) {
    c.rect(cx - half, y0, cx + half, y1, [&](int x, int y) {
      return stone.shade(
          0.78f - 0.5f * float(x - cx + half) / float(2 * half + 1) - (y == y1 ? 0.2f : 0.0f), x,
          y);
    });
  };
  slab(6, baseY - 3, baseY);
  slab(2, baseY - 14, baseY - 4);
  slab(5, baseY - 16, baseY - 15);
  slab(4, baseY - 25, baseY - 17);
  c.rect(cx - 1, baseY - 23, cx + 1, baseY - 19, [](int, int) { return game::kStone.step(0); });
  slab(7, baseY - 28, baseY - 26);
  c.put(cx - 8, baseY - 28, stone.step(8));
  c.put(cx + 8, baseY - 28, stone.step(4));
  slab(1, baseY - 31, baseY - 29);
  c.hline(cx - 7, cx + 7, baseY - 29, kSnow.step(12));
  c.hline(cx - 1, cx + 1, baseY - 32, kSnow.step(12));
  c.hline(cx - 5, cx + 5, baseY - 17, kSnow.step(11));
  c.hline(cx - 6, cx + 6, baseY - 4, kSnow.step(11));
}

// The great lantern's stone base: two broad steps with a stone post at each end. The
// lantern itself is a character standing on it.
void lanternBase(Canvas& c) {
  const Ramp stone = game::kStone;
  auto block = [&](int x0, int y0, int x1, int y1) {
    c.rect(x0, y0, x1, y1, [&](int x, int y) {
      if (y == y0) return kSnow.step(12);
      if (y == y0 + 1) return kSnow.step(10);
      const bool joint = (y - y0) % 5 == 1 || (x + ((y - y0) / 5) * 7) % 13 == 0;
      return joint ? stone.step(3)
                   : stone.shade(0.7f - 0.3f * float(x - x0) / float(x1 - x0), x, y);
    });
  };
  block(932, 150, 1028, kBase + 1);
  block(940, 144, 1020, 150);
  stoneLantern(c, 946, 144);
  stoneLantern(c, 1014, 144);
}

// The old guardian pine at the hilltop with its straw rope and paper strips, a cairn at
// its foot.
void guardianTree(Canvas& c) {
  drawPine(c, 1160, 150, 140, 4202, nearLook());
  for (int x = 1152; x <= 1168; ++x) {
    c.put(x, 138 + (x % 2), game::kOlive.step(10));
    if (x % 5 == 0) c.vline(x, 140, 143, 15);
  }
  for (int k = 0; k < 6; ++k) {
    const int w = 14 - 2 * k;
    c.ellipse(1190.0f, float(156 - 3 * k), float(w) / 2.0f, 2.0f, [&](int x, int y) {
      return y < 156 - 3 * k - 1 ? kSnow.step(11) : game::kStone.step(6 + (x % 3));
    });
  }
}

}  // namespace

Canvas drawMap42() {
  Canvas c(kMapWidth, kMapHeight, kClear);
  valley(c);
  hill(c);
  drawField(
      c, 0, kMapWidth - 1, [](int x) { return x < 340 ? 154.0f : std::max(hillTop(x), 154.0f); },
      4203);
  drawLane(c, 0, kMapWidth - 1, 4204);
  // The lookout's railing along the edge over the valley.
  railing(c, 4, kViewEnd);
  for (int x : {240, 330, 370}) drawBush(c, x, 156, 20, 8, uint32_t(x), false);
  drawBench(c, 700, 760, kBase);
  lanternBase(c);
  guardianTree(c);
  drawPine(c, 860, 156, 80, 4206, middleLook());
  drawPine(c, 24, 158, 110, 4207, nearLook());
  return c;
}

}  // namespace scenery
