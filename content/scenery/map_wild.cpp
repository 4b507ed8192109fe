// map_wild.cpp -- maps 24 (the frozen lake) and 35 (the birch forest)
#include <algorithm>
#include <cmath>

#include "buildings.h"
#include "game_ramps.h"
#include "map_common.h"
#include "trees.h"

namespace scenery {
namespace {

using game::kSnow;

// --- Map 24: the lake ------------------------------------------------------------------

constexpr int kLakeLeft = 200, kLakeRight = 1000;
constexpr int kShore = 134;  // the far shore's waterline

// Ice: blue from the depth of the night into pale blue glints.
const Ramp kIce{{36, 38, 40, 29, 28, 27, 26, 131, 25, 132, 24, 133, 23, 134, 22}};

float shoreTop(int x) { return float(kShore) - 3.0f - 4.0f * fbm(float(x) / 50.0f, 0.3f, 241, 3); }

// The far shore: a bank of snow and a line of far pines, mirrored faintly in the ice.
void farShore(Canvas& c) {
  // Darker than the usual far trees: a band that the ice mirrors.
  const TreeLook far{Ramp{{32, 33, 34, 35, 36}}, kSnow.slice(1, 7), Ramp{{32, 33}}, -1};
  for (int x = 0; x < kMapWidth; x += 9) {
    const int h = 14 + int(hash01(x, 0, 242) * 26);
    drawPine(c, x + int(hash01(x, 1, 242) * 8), kShore - 1, h, uint32_t(x) + 243, far);
  }
  for (int x = 0; x < kMapWidth; ++x)
    for (int y = int(shoreTop(x)); y <= kShore; ++y)
      c.put(x, y,
            game::kSnowDeep.shade(
                y <= int(shoreTop(x)) ? 0.8f : 0.62f - 0.04f * float(y - kShore + 4), x, y));
}

// The lake's ice from the far shore to the lane, with the shore's reflection, frost
// streaks and drifted snow.
void backIce(Canvas& c) {
  for (int y = kShore + 1; y < kGroundRow; ++y)
    for (int x = kLakeLeft - 40; x <= kLakeRight + 40; ++x) {
      const float streak = fbm(float(x) / 120.0f, float(y) / 1.3f, 244, 3) - 0.5f;
      const float away = float(y - kShore) / float(kGroundRow - kShore);
      float t = 0.7f - 0.12f * away + 0.45f * streak;
      // The far pines mirrored: dark just under the shore, fading toward us.
      const int mirror = 2 * kShore - y;
      const int above = c.at(x, mirror);
      if (mirror > 0 && above >= 32 && above <= 36 && (y % 2 == 0 || away < 0.3f))
        t -= 0.4f * (1.0f - away);
      c.put(x, y, kIce.shade(t, x, y));
    }
  // Drifted snow lying on the ice in long low tongues.
  for (int k = 0; k < 14; ++k) {
    const float cx = float(kLakeLeft) + hash01(k, 0, 245) * float(kLakeRight - kLakeLeft);
    const float cy = float(kShore + 4) + hash01(k, 1, 245) * float(kGroundRow - kShore - 8);
    const float rx = 8.0f + 22.0f * hash01(k, 2, 245), ry = 1.2f + 1.2f * hash01(k, 3, 245);
    c.ellipse(cx, cy, rx, ry, [&](int x, int y) {
      return kSnow.shade(0.92f - 0.2f * (float(y) - cy + ry) / ry, x, y);
    });
  }
}

// A crack: straight runs that turn now and then, dark with a light upper edge.
void crack(Canvas& c, int x, int y, int length, uint32_t seed, int y0, int y1) {
  float fx = float(x), fy = float(y), dy = 0.0f;
  for (int i = 0; i < length; ++i) {
    if (i % 6 == 0) dy = (hash01(i, 0, seed) - 0.5f) * 1.2f;
    fx += 1.0f;
    fy = std::clamp(fy + dy, float(y0), float(y1));
    c.put(int(fx), int(fy), kIce.step(3));
    c.put(int(fx), int(fy) - 1, kIce.step(13));
    if (hash01(i, 1, seed) < 0.03f)
      crack(c, int(fx), int(fy), length / 3, seed + uint32_t(i), y0, y1);
  }
}

// The ice under the characters' feet: flat and pale blue, with long streaks of sheen
// and a few slanting glints.
void frontIce(Canvas& c) {
  for (int y = kGroundRow; y < kMapHeight; ++y)
    for (int x = kLakeLeft - 16; x <= kLakeRight + 16; ++x) {
      const float edge = float(std::min(x - kLakeLeft, kLakeRight - x)) +
                         10.0f * (valueNoise(float(y) / 3.0f, float(x > 600), 246) - 0.5f);
      if (edge < 0) continue;
      const float depth = float(y - kGroundRow) / float(kMapHeight - kGroundRow);
      const float sheen = fbm(float(x) / 140.0f, float(y) / 1.5f, 247, 3) - 0.5f;
      const float slant = std::fmod(float(x) + float(y) * 2.0f, 97.0f);
      float t = 0.78f - 0.5f * depth + 0.45f * sheen;
      if (slant < 3.0f || (slant > 6.0f && slant < 7.0f)) t += 0.22f;
      c.put(x, y, kIce.shade(t, x, y));
    }
  for (int k = 0; k < 6; ++k)
    crack(c, kLakeLeft + 40 + k * 130, kGroundRow + 5 + int(hash01(k, 0, 248) * 9),
          20 + int(hash01(k, 1, 248) * 24), 249 + uint32_t(k), kGroundRow + 3, kMapHeight - 2);
  for (int k = 0; k < 30; ++k)  // glints
    c.put(kLakeLeft + int(hash01(k, 0, 250) * float(kLakeRight - kLakeLeft)),
          kGroundRow + 2 + int(hash01(k, 1, 250) * 14), k % 3 ? 135 : 15);
}

// The fisher's hole: dark water in a rim of chipped ice, a few chunks beside it.
void fishingHole(Canvas& c, int cx) {
  const float cy = float(kGroundRow) + 3.5f;
  c.ellipse(float(cx), cy, 11.0f, 3.6f, [](int x, int y) { return kSnow.step(11 + (x + y) % 2); });
  c.ellipse(float(cx), cy + 0.3f, 8.5f, 2.4f, [&](int x, int y) {
    return game::kNight.shade(0.05f + 0.25f * (cy - float(y) + 2.0f) / 4.0f, x, y);
  });
  c.hline(cx - 4, cx + 2, int(cy) + 1, game::kNight.step(6));
  for (int k = 0; k < 4; ++k) {
    const int bx = cx + 14 + k * 4 - (k > 1 ? 10 : 0), by = kGroundRow + 2 + (k % 2);
    c.rect(bx, by, bx + 2, by + 1, [](int x, int) { return kSnow.step(x % 2 ? 10 : 6); });
  }
}

}  // namespace

Canvas drawMap24() {
  Canvas c(kMapWidth, kMapHeight, kClear);
  farShore(c);
  drawField(
      c, 0, kLakeLeft - 20,
      [](int x) { return 138.0f - 6.0f * fbm(float(x) / 40.0f, 0.2f, 251, 2); }, 2401);
  drawField(
      c, kLakeRight + 20, kMapWidth - 1,
      [](int x) { return 136.0f - 8.0f * fbm(float(x) / 40.0f, 0.7f, 252, 2); }, 2402);
  backIce(c);
  drawLane(c, 0, kMapWidth - 1, 2403);
  frontIce(c);
  fishingHole(c, 450);
  const TreeLook mid = middleLook(), near = nearLook();
  drawPine(c, 70, 150, 90, 2404, mid);
  drawPine(c, 146, 154, 70, 2405, mid);
  drawBush(c, 112, 158, 22, 9, 2406, false);
  drawDrift(c, 160, 226, 159, 7, 2407);
  drawReeds(c, 198, 157, 30, 18, 2408);
  drawReeds(c, 604, kShore + 2, 18, 10, 2409);
  drawReeds(c, 958, 157, 34, 20, 2410);
  drawDrift(c, 978, 1040, 159, 6, 2411);
  drawPine(c, 1030, 154, 96, 2412, mid);
  // The woodcutter's cabin, its log pile and chopping block.
  drawHouse(c, {1078,
                1196,
                157,
                4,
                36,
                28,
                10,
                {Bay::Wall, Bay::Window, Bay::Door, Bay::Wall},
                RoofKind::Shingles,
                2413});
  drawChimney(c, 1100, 112, 18, 2414);
  drawLogPile(c, 1204, 1258, 157, 4, 2415);
  c.rect(1226, 152, 1236, 158, [](int x, int y) {
    return y == 152 ? game::kWood.step(12) : game::kWood.step(4 + (x % 3 == 0));
  });
  c.line(1230, 151, 1236, 143, game::kWood.step(9));
  c.rect(1235, 141, 1239, 144, [](int, int) { return game::kGrey.step(10); });
  drawPine(c, 1268, 158, 110, 2416, near);
  drawPine(c, 24, 158, 120, 2417, near);
  return c;
}

// --- Map 35: the birch forest -----------------------------------------------------------

namespace {

constexpr int kStumpLeft = 994, kStumpRight = 1030, kStumpTop = 140;

TreeLook birchLook(int depth) {
  TreeLook look = nearLook();
  if (depth == 2) {
    look.needles = kSnow.slice(2, 8);
    look.wood = Ramp{{34, 36, 38, 40}};
  } else if (depth == 1) {
    look.needles = Ramp::run(38, 40).then(kSnow.slice(3, 11));
    look.wood = Ramp{{1, 2, 33, 35, 37}};
  } else {
    look.needles = Ramp::run(36, 40).then(kSnow);
    look.wood = Ramp{{1, 2, 3, 64, 66, 68}};
  }
  return look;
}

// A fallen birch lying along the ground, its cut end toward the right.
void fallenLog(Canvas& c, int x0, int x1, int y) {
  const TreeLook look = birchLook(0);
  for (int x = x0; x <= x1; ++x)
    for (int k = 0; k < 9; ++k) {
      const float u = float(k) / 8.0f;
      int index = look.needles.shade(0.95f - 0.9f * u - (k == 0 ? 0.2f : 0.0f), x, y + k);
      if (hash01(x / 3, k / 2, 351) < 0.12f && k > 1) index = look.wood.step(1);
      c.put(x, y + k, index);
    }
  c.ellipse(float(x1), float(y) + 4.5f, 3.0f, 4.6f, [&](int px, int py) {
    const float d =
        std::hypot((float(px) - float(x1)) / 3.0f, (float(py) - float(y) - 4.5f) / 4.6f);
    return d > 0.8f ? game::kWood.step(3) : game::kWood.step(d > 0.45f ? 11 : 13);
  });
  capWithSnow(c, x0 + 2, x1 - 2, y - 3, 3, 352);
  c.line(x0 + 20, y, x0 + 12, y - 10, look.wood.step(2));
  c.line(x0 + 50, y, x0 + 56, y - 7, look.wood.step(2));
}

// The owl's stump: an old trunk broken off at the height of a man's chest; its snowy top
// (row kStumpTop) is flat where the owl sits and splintered at the back on the right.
void stump(Canvas& c) {
  const Ramp bark = Ramp{{64, 65, 66, 67, 68, 69, 70, 71, 72}};
  // Splinters of the broken trunk standing up behind the owl's seat.
  c.polygon({{1019, float(kStumpTop + 2)},
             {1022, 126},
             {1024, 132},
             {1027, 121},
             {1029, float(kStumpTop - 4)},
             {1032, float(kStumpTop + 2)}},
            [&](int x, int y) {
              return bark.shade(0.75f - 0.1f * float(x - 1019) + 0.2f * (y % 4 == 0), x, y);
            });
  c.line(1022, 127, 1022, kStumpTop, game::kWood.step(12));
  c.line(1027, 122, 1027, kStumpTop - 2, game::kWood.step(10));
  for (int y = kStumpTop + 1; y <= 158; ++y) {
    const float flare = std::max(0.0f, float(y - 149)) * 0.7f;
    const float left = float(kStumpLeft) - flare, right = float(kStumpRight) + flare;
    for (int x = int(left); x <= int(right); ++x) {
      const float u = (float(x) - left) / (right - left);
      // Ridges of bark between dark fissures, lit from the left.
      const float ridge = std::sin(float(x) * 1.3f + std::sin(float(y) * 0.4f) * 1.5f);
      const float t = 0.85f - 0.75f * u + 0.25f * ridge;
      c.put(x, y, ridge < -0.6f ? bark.step(0) : bark.shade(t, x, y));
    }
  }
  // The cut face's rim under the snow, then the snow cap the owl sits on.
  for (int x = kStumpLeft; x <= kStumpRight; ++x)
    c.put(x, kStumpTop + 2, game::kWood.step(x % 5 == 0 ? 9 : 12));
  for (int x = kStumpLeft - 1; x <= kStumpRight + 1; ++x) {
    const float u = (float(x) - float(kStumpLeft + kStumpRight) / 2.0f) / 18.0f;
    c.put(x, kStumpTop, kSnow.step(12));
    c.put(x, kStumpTop + 1, kSnow.step(u > 0.3f ? 9 : 11));
    if (std::abs(u) < 0.7f) c.put(x, kStumpTop - 1, kSnow.step(12));
  }
  for (int x = kStumpLeft + 3; x < kStumpRight; x += 8)
    c.vline(x, kStumpTop + 2, kStumpTop + 3 + x % 3, kSnow.step(10));
  drawDrift(c, kStumpLeft - 10, kStumpLeft + 6, 158, 4, 355);
}

}  // namespace

Canvas drawMap35() {
  Canvas c = startMap(rollingSkyline(128, 10, 55, 35), 3500);
  const TreeLook far{Ramp{{32, 33, 34, 35, 36, 37}}, kSnow.slice(0, 6), Ramp{{32, 33}}, -1};
  // A dark wall of firs far back, so the white trunks stand out.
  for (int x = 0; x < kMapWidth; x += 11)
    drawPine(c, x + int(hash01(x, 0, 354) * 8), 134 + int(hash01(x, 1, 354) * 5),
             40 + int(hash01(x, 2, 354) * 50), uint32_t(x) + 355, far);
  for (int x = 4; x < kMapWidth; x += 23)
    drawBirch(c, float(x) + hash01(x, 0, 356) * 14.0f, 140 + int(hash01(x, 1, 356) * 4), -10,
              2.0f + hash01(x, 2, 356), uint32_t(x), birchLook(2));
  for (int x = 0; x < kMapWidth; x += 90)
    drawDrift(c, x + 10, x + 60 + int(hash01(x, 0, 357) * 30), 150, 5, uint32_t(x) + 358);
  for (int x = 30; x < kMapWidth; x += 61) {
    const float px = float(x) + hash01(x, 0, 359) * 26.0f;
    if (px > kStumpLeft - 16 && px < kStumpRight + 10) continue;
    drawBirch(c, px, 150 + int(hash01(x, 1, 359) * 3), -10, 4.0f + hash01(x, 2, 359) * 1.5f,
              uint32_t(x) + 360, birchLook(1));
  }
  fallenLog(c, 586, 664, 149);
  stump(c);
  for (int x : {70, 262, 420, 740, 905, 1120, 1236})
    drawBirch(c, float(x), 158, -20, 7.0f + hash01(x, 0, 361) * 3.0f, uint32_t(x) + 362,
              birchLook(0));
  for (int x : {150, 520, 700, 860, 1180}) drawDrift(c, x, x + 44, 159, 6, uint32_t(x) + 363);
  for (int x : {330, 790, 1090}) drawBush(c, x, 156, 26, 10, uint32_t(x) + 364, true);
  return c;
}

}  // namespace scenery
