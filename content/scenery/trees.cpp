// trees.cpp -- pines, birches, bare trees, bushes and reeds under snow
#include "trees.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "game_ramps.h"

namespace scenery {
namespace {

bool inRamp(const Ramp& r, int index) {
  return std::find(r.entries.begin(), r.entries.end(), index) != r.entries.end();
}

// One tier of a pine: a drooping fan of boughs from its apex (cx, top) down to `bottom`,
// `half` wide on either side, with snow along its upper edge.
void pineTier(Canvas& c, int cx, float top, float bottom, float half, uint32_t seed,
              const TreeLook& look) {
  const float span = std::max(2.0f, bottom - top);
  for (int x = int(float(cx) - half); x <= int(float(cx) + half); ++x) {
    const float u = (float(x) - float(cx)) / half;  // -1 left tip .. 1 right tip
    const float au = std::abs(u);
    const float edge = top + span * std::pow(au, 1.15f);  // upper edge
    const float lower = bottom - 1.5f * au + 1.2f * std::sin(float(x) * 1.7f + float(seed));
    const float teeth = 2.2f * hash01(x, int(bottom), seed);  // ragged needle tips
    for (int y = int(std::ceil(edge)); float(y) <= lower - teeth * 0.6f; ++y) {
      const float r = (float(y) - edge) / std::max(1.0f, lower - edge);
      const float clump = fbm(float(x) / 3.0f, float(y) / 2.0f, seed, 2) - 0.5f;
      const float t = 0.52f - 0.30f * u + 0.55f * clump - 0.18f * r;
      c.put(x, y, look.needles.shade(t, x, y));
    }
    // Snow on the upper edge: thick in the middle of each side, thin at the tips.
    const float n = valueNoise(float(x) / 3.0f, top, seed + 7);
    const int thick = (au < 0.85f ? 1 : 0) + (n > 0.35f ? 1 : 0) + (n > 0.7f && au < 0.7f ? 1 : 0);
    for (int k = 0; k < thick; ++k) {
      const int y = int(std::ceil(edge)) + k - (k == 0 && n > 0.8f ? 1 : 0);
      const float t = 0.98f - 0.35f * std::max(0.0f, u) - 0.12f * float(k);
      c.put(x, y, look.snow.shade(t, x, y));
    }
  }
}

// A thick stroke of a branch from (x0, y0) to (x1, y1), lit on its upper left.
void limb(Canvas& c, float x0, float y0, float x1, float y1, float w0, float w1,
          const TreeLook& look, bool snow) {
  const float len = std::hypot(x1 - x0, y1 - y0);
  const int steps = std::max(1, int(len * 2));
  for (int s = 0; s <= steps; ++s) {
    const float f = float(s) / float(steps);
    const float px = x0 + (x1 - x0) * f, py = y0 + (y1 - y0) * f;
    const float r = (w0 + (w1 - w0) * f) / 2.0f;
    if (r < 0.7f) {
      c.put(int(px), int(py), look.wood.step(2));
      continue;
    }
    forEllipse(px, py, r, r, [&](int x, int y) {
      const float lit = ((float(x) - px) * -0.6f + (float(y) - py) * -0.8f) / r;
      c.put(x, y, look.wood.shade(0.35f + 0.35f * lit, x, y));
    });
  }
  if (!snow) return;
  // Snow lies on the upper side of branches that are not too steep.
  const float dx = x1 - x0, dy = y1 - y0;
  if (std::abs(dy) > 1.3f * std::abs(dx)) return;
  for (int s = 0; s <= steps; ++s) {
    const float f = float(s) / float(steps);
    const float r = (w0 + (w1 - w0) * f) / 2.0f;
    const int px = int(x0 + dx * f), py = int(y0 + dy * f - r - 0.5f);
    if (hash01(px, py, 5) < 0.85f)
      c.put(px, py, look.snow.step(look.snow.size() - 1 - (s % 3 == 0)));
  }
}

void bareBranch(Canvas& c, float x, float y, float angle, float length, float width, int depth,
                uint32_t seed, bool fruit, const TreeLook& look) {
  const float x1 = x + std::cos(angle) * length, y1 = y - std::sin(angle) * length;
  limb(c, x, y, x1, y1, width, width * 0.7f, look, width >= 1.5f);
  if (depth == 0) {
    if (fruit && hash01(int(x1), int(y1), seed) < 0.12f) {
      c.ellipse(x1, y1 + 1.5f, 1.6f, 1.6f, solid(101));
      c.put(int(x1) - 1, int(y1), 97);
      c.put(int(x1), int(y1) - 1, 81);
    }
    return;
  }
  const int children = 2 + (hash01(int(x), depth, seed) < 0.4f ? 1 : 0);
  for (int k = 0; k < children; ++k) {
    const float h = hash01(int(x1) + k, int(y1) + depth, seed);
    const float spread = 0.35f + 0.35f * h;
    const float a = angle + (k == 0 ? spread : k == 1 ? -spread : (h - 0.5f) * 0.4f);
    bareBranch(c, x1, y1, a, length * (0.62f + 0.15f * h), width * 0.62f, depth - 1, seed + k,
               fruit, look);
  }
}

}  // namespace

TreeLook nearLook() {
  return {Ramp::run(104, 110), game::kSnow.slice(2, 12), Ramp::run(64, 71), 104};
}

TreeLook middleLook() {
  return {Ramp{{32, 104, 105, 169, 170, 171, 172}}, game::kSnow.slice(2, 10), Ramp::run(64, 68),
          32};
}

TreeLook farLook() { return {Ramp::run(34, 39), game::kSnow.slice(0, 6), Ramp::run(34, 38), -1}; }

void drawPine(Canvas& c, int cx, int baseY, int height, uint32_t seed, const TreeLook& look) {
  const float h = float(height);
  const float width = h * (0.40f + 0.08f * hash01(cx, baseY, seed));
  const int trunkH = std::max(3, int(h * 0.1f));
  const int tw = std::max(1, int(h / 40));
  for (int y = baseY - trunkH - 6; y <= baseY; ++y)
    for (int x = cx - tw; x <= cx + tw; ++x)
      c.put(x, y, look.wood.step(x == cx - tw ? 4 : 1 + (x + y) % 2));
  const int tiers = std::max(3, int(h / 11.0f));
  const float crownTop = float(baseY) - h, crownBottom = float(baseY - trunkH);
  const float span = crownBottom - crownTop;
  for (int i = tiers - 1; i >= 0; --i) {
    const float f0 = float(i) / float(tiers), f1 = float(i + 1) / float(tiers);
    const float top = crownTop + span * f0 * 0.86f;
    const float bottom = crownTop + span * f1;
    const float half = width / 2.0f * (0.22f + 0.78f * f1) * (0.9f + 0.2f * hash01(i, cx, seed));
    pineTier(c, cx, top, bottom, half, seed + uint32_t(i) * 13u, look);
  }
  c.put(cx, int(crownTop) - 1, look.needles.step(2));
  c.put(cx, int(crownTop), look.snow.step(look.snow.size() - 1));
  if (look.outline >= 0) {
    const int x0 = cx - int(width), x1 = cx + int(width);
    c.outline(
        x0, int(crownTop) - 3, x1, baseY, [&](int i) { return inRamp(look.needles, i); },
        look.outline, kClear);
  }
}

void drawBirch(Canvas& c, float x, int baseY, int topY, float width, uint32_t seed,
               const TreeLook& look) {
  const float height = float(baseY - topY);
  const float lean = (hash01(int(x), 0, seed) - 0.5f) * 0.06f;
  // Branches first, so that the trunk covers their roots.
  const int branches = 3 + int(hash01(int(x), 1, seed) * 4);
  for (int b = 0; b < branches; ++b) {
    const float f = 0.05f + 0.5f * hash01(b, int(x), seed);
    const float by = float(topY) + height * f;
    const bool left = hash01(b, 3, seed) < 0.5f;
    const float angle = left ? 2.2f + 0.5f * hash01(b, 4, seed) : 0.95f - 0.5f * hash01(b, 4, seed);
    const float bx = x + lean * (float(baseY) - by);
    bareBranch(c, bx, by, angle, 8 + 16 * hash01(b, 5, seed), std::max(1.0f, width * 0.22f), 2,
               seed + b, false, look);
  }
  // Marks: dark dashes across the bark and a few dark "eyes" below old branches.
  for (int y = std::max(topY, 0); y <= baseY; ++y) {
    const float up = float(baseY - y) / height;
    const float w = width * (1.0f + 0.3f * (1.0f - up));
    const float cx = x + lean * float(baseY - y) + 0.8f * std::sin(float(y) / 23.0f + float(seed));
    const float left = cx - w / 2.0f;
    const float dash = hash01(int(x), y / 2, seed + 11);
    const bool dashRow = y % 2 == 0 && dash < 0.28f;
    const float dashStart = hash01(y, 7, seed) * 0.6f, dashLen = 0.2f + 0.4f * hash01(y, 8, seed);
    for (int px = int(std::floor(left)); float(px) < left + w; ++px) {
      const float u = (float(px) + 0.5f - left) / w;
      float t = 0.92f - 1.1f * std::max(0.0f, u - 0.35f) - 0.6f * std::max(0.0f, 0.12f - u);
      int index = look.needles.shade(t, px, y);
      if (dashRow && u >= dashStart && u <= dashStart + dashLen)
        index = look.wood.step(1 + (u > 0.6f));
      // Rough dark bark near the foot.
      if (up < 0.12f && fbm(float(px) / 2.0f, float(y) / 3.0f, seed, 2) > 0.45f + up * 3.0f)
        index = look.wood.step(1 + int(u * 2));
      c.put(px, y, index);
    }
    // An eye: a dark chevron spreading from one side.
    if (hash01(y, 99, seed) < 0.025f && up > 0.15f) {
      for (int k = 0; k < int(w * 0.7f); ++k) {
        c.put(int(left) + 1 + k, y + k / 2, look.wood.step(1));
        c.put(int(left) + 1 + k, y - k / 3, look.wood.step(1));
      }
    }
  }
}

void drawBareTree(Canvas& c, int x, int baseY, int height, uint32_t seed, bool fruit,
                  const TreeLook& look) {
  const float trunk = float(height) * 0.35f;
  const float w = std::max(3.0f, float(height) / 12.0f);
  limb(c, float(x), float(baseY), float(x) + 1, float(baseY) - trunk, w * 1.4f, w, look, false);
  const int limbs = 3;
  for (int k = 0; k < limbs; ++k) {
    const float a = 1.57f + (float(k) - 1.0f) * 0.55f + (hash01(k, x, seed) - 0.5f) * 0.3f;
    bareBranch(c, float(x) + 1, float(baseY) - trunk, a, float(height) * 0.32f, w * 0.8f, 4,
               seed + uint32_t(k) * 31u, fruit, look);
  }
}

void drawBush(Canvas& c, int cx, int baseY, int width, int height, uint32_t seed, bool berries) {
  const float rx = float(width) / 2.0f, ry = float(height);
  // Dark twigs poking out around a mound of snow.
  for (int k = 0; k < 9; ++k) {
    const float a = 0.4f + 2.3f * float(k) / 8.0f;
    const float len = ry * (0.9f + 0.5f * hash01(k, cx, seed));
    c.line(cx, baseY - 2, cx + int(std::cos(a) * len * rx / ry), baseY - int(std::sin(a) * len),
           game::kWood.step(2 + k % 2));
  }
  c.ellipse(float(cx), float(baseY), rx, ry * 0.85f, [&](int x, int y) {
    const float u = (float(x) - float(cx)) / rx, v = (float(baseY) - float(y)) / ry;
    const float t = 0.85f - 0.35f * u + 0.15f * v +
                    0.2f * (fbm(float(x) / 3.0f, float(y) / 3.0f, seed, 2) - 0.5f);
    return game::kSnowDeep.shade(t, x, y);
  });
  if (!berries) return;
  // Berries in little bunches at the ends of the twigs above the snow.
  for (int k = 0; k < 9; ++k) {
    const float a = 0.4f + 2.3f * float(k) / 8.0f;
    const float len = ry * (0.9f + 0.5f * hash01(k, cx, seed));
    const int x = cx + int(std::cos(a) * len * rx / ry), y = baseY - int(std::sin(a) * len);
    if (k % 2 == 1) continue;
    c.put(x, y, game::kRed.step(8));
    c.put(x + 1, y + 1, game::kRed.step(6));
    c.put(x - 1, y + 1, game::kRed.step(9));
  }
}

void drawReeds(Canvas& c, int x, int baseY, int width, int height, uint32_t seed) {
  for (int k = 0; k < width; k += 2) {
    const float h = float(height) * (0.5f + 0.5f * hash01(k, x, seed));
    const float lean = (hash01(k, 1, seed) - 0.4f) * 0.35f;
    for (int i = 0; i < int(h); ++i) {
      const int px = x + k + int(lean * float(i) * float(i) / h), py = baseY - i;
      c.put(px, py, game::kOlive.step(i > h * 0.6f ? 7 : 4 + (k % 3)));
    }
    const int tx = x + k + int(lean * h), ty = baseY - int(h);
    if (hash01(k, 2, seed) < 0.6f) {  // a seed head
      c.vline(tx, ty - 3, ty, game::kWood.step(5));
      c.put(tx, ty - 4, game::kSnow.step(11));
    }
  }
}

}  // namespace scenery
