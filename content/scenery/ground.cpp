// ground.cpp -- snow on the ground: the walkable lane, the field behind it, drifts and smoke
#include "ground.h"

#include <algorithm>
#include <cmath>

#include "game_ramps.h"
#include "pictures.h"

namespace scenery {
namespace {

using game::kSnow;
using game::kSnowDeep;

// A footprint pair pressed into the lane: two small ovals in blue shade.
void footprints(Canvas& c, int x, int y) {
  for (int k = 0; k < 2; ++k) {
    const int fx = x + 4 * k, fy = y + (k == 0 ? 0 : 1);
    c.hline(fx, fx + 1, fy, kSnow.step(8));
    c.put(fx + 2, fy, kSnow.step(9));
    c.hline(fx, fx + 2, fy + 1, kSnow.step(10));
  }
}

// Dry grass poking through the snow.
void tuft(Canvas& c, int x, int y, uint32_t seed) {
  const int blades = 2 + int(hash01(x, y, seed) * 3);
  for (int b = 0; b < blades; ++b) {
    const int h = 2 + int(hash01(x + b, y, seed + 1) * 3);
    const int lean = int(hash01(x, y + b, seed + 2) * 3) - 1;
    for (int i = 0; i < h; ++i)
      c.put(x + b + (i * lean) / 2, y - i, game::kOlive.step(i == h - 1 ? 9 : 5 + i));
  }
}

}  // namespace

void drawLane(Canvas& c, int x0, int x1, uint32_t seed) {
  for (int y = kGroundRow; y < c.height(); ++y) {
    const float depth = float(y - kGroundRow) / float(c.height() - kGroundRow);
    for (int x = x0; x <= x1; ++x) {
      const float ripple = fbm(float(x) / 37.0f, float(y) / 5.0f, seed, 3) - 0.5f;
      const float streak = valueNoise(float(x) / 90.0f, float(y) * 0.7f, seed + 9) - 0.5f;
      float t = 1.0f - 0.62f * depth + 0.22f * ripple * depth + 0.06f * streak;
      if (y <= kGroundRow + 1) t = 1.0f;
      c.put(x, y, kSnowDeep.shade(t, x, y));
    }
  }
  for (int x = x0 + 7; x < x1 - 8; x += 23) {
    const float h = hash01(x, 1, seed);
    if (h < 0.35f)
      tuft(c, x + int(h * 40), kGroundRow + 9 + int(hash01(x, 2, seed) * 7), seed);
    else if (h > 0.86f)
      footprints(c, x, kGroundRow + 3 + int(hash01(x, 3, seed) * 4));
  }
}

void drawField(Canvas& c, int x0, int x1, const Skyline& top, uint32_t seed) {
  for (int x = x0; x <= x1; ++x) {
    const float sky = top(x);
    const float slope =
        top(x + 2) - top(x - 2);  // > 0: the surface faces right, away from the moon
    const int y0 = int(std::floor(sky));
    for (int y = std::max(y0, 0); y < kGroundRow; ++y) {
      const float below = float(y) - sky;
      const float drift = fbm(float(x) / 53.0f, float(y) / 9.0f, seed, 3);
      float t = 0.80f + 0.25f * (drift - 0.5f) - 0.05f * std::clamp(slope, -2.0f, 2.0f);
      t -= 0.10f * std::clamp(below / 30.0f, 0.0f, 1.0f);
      if (below < 1.5f)
        t = 1.0f;  // the lit rim along the skyline
      else if (below < 4.0f)
        t += 0.08f;
      // A soft blue shadow just behind the lane, where the snow pile sits in front.
      if (y >= kGroundRow - 4) t -= 0.05f * float(y - (kGroundRow - 5));
      c.put(x, y, kSnowDeep.shade(t, x, y));
    }
  }
}

void drawDrift(Canvas& c, int x0, int x1, int baseY, int height, uint32_t seed) {
  const float mid = float(x0 + x1) / 2.0f, half = float(x1 - x0) / 2.0f;
  for (int x = x0; x <= x1; ++x) {
    const float u = (float(x) - mid) / half;
    const float bump = 0.15f * (valueNoise(float(x) / 9.0f, 0, seed) - 0.5f);
    const float h = float(height) * std::max(0.0f, std::sqrt(std::max(0.0f, 1 - u * u)) + bump);
    const float sky = float(baseY) - h;
    for (int y = int(std::ceil(sky)); y <= baseY; ++y) {
      const float depth = (float(y) - sky) / std::max(h, 1.0f);
      float t = 0.95f - 0.25f * u - 0.2f * depth;
      if (float(y) - sky < 1.2f) t = 1.0f;
      c.put(x, y, kSnowDeep.shade(t, x, y));
    }
  }
}

void capWithSnow(Canvas& c, int x0, int x1, int y0, int thickness, uint32_t seed) {
  const float mid = float(x0 + x1) / 2.0f, half = std::max(1.0f, float(x1 - x0) / 2.0f);
  for (int x = x0; x <= x1; ++x) {
    int top = y0;
    while (top < c.height() && c.at(x, top) == kClear) ++top;
    if (top >= c.height()) continue;
    const float n = valueNoise(float(x) / 4.0f, 0, seed);
    const int lift = n > 0.6f ? 1 : 0;
    const int depth = std::max(1, thickness + int((n - 0.5f) * 2.5f));
    const float side = (float(x) - mid) / half;
    for (int y = top - lift; y < top - lift + depth; ++y) {
      const float t = (y == top - lift ? 1.0f : 0.9f) - 0.12f * std::max(0.0f, side);
      c.put(x, y, kSnow.shade(t - 0.06f * float(y - top + lift), x, y));
    }
  }
}

void drawSmoke(Canvas& c, int x, int y, int height, uint32_t seed) {
  for (int i = 0; i < height; ++i) {
    const float rise = float(i) / float(height);
    const float cx =
        float(x) + 10.0f * rise * rise + 2.5f * std::sin(float(i) / 5.0f + float(seed));
    const float r = 1.5f + 3.0f * rise;
    const float density = 0.9f * (1.0f - rise);
    for (int dx = int(-r - 1); dx <= int(r + 1); ++dx) {
      const int px = int(cx) + dx, py = y - i;
      const float edge = 1.0f - std::abs(float(dx)) / (r + 0.5f);
      const float puff = fbm(float(px) / 4.0f, float(py) / 4.0f, seed, 2);
      if (edge > 0 && density * edge * (0.6f + puff) > bayer(px, py) + 0.15f &&
          c.at(px, py) == kClear)
        c.put(px, py, game::kSnow.step(5 + int(puff * 4 + (1.0f - rise) * 3)));
    }
  }
}

void warmGlow(Canvas& c, float cx, float cy, float rx, float ry, float strength) {
  // Warm entries of about the lightness of each snow step, light to dark.
  static const int kWarmSnow[13] = {92, 93, 94, 95, 96, 97, 219, 218, 217, 216, 215, 214, 213};
  for (int y = int(cy - ry); y <= int(cy + ry); ++y)
    for (int x = int(cx - rx); x <= int(cx + rx); ++x) {
      const float dx = (float(x) - cx) / rx, dy = (float(y) - cy) / ry;
      const float d = dx * dx + dy * dy;
      if (d >= 1.0f) continue;
      const int index = c.at(x, y);
      if (strength * (1.0f - d) * (1.0f - d) <= bayer(x, y)) continue;
      if (index >= 19 && index <= 31)
        c.put(x, y, kWarmSnow[index - 19]);
      else if (index >= 152 && index <= 167)
        c.put(x, y, game::kSunset.step(index - 152));
      else if (index >= 34 && index <= 41)
        c.put(x, y, 209 + (index - 34) / 2);
    }
}

}  // namespace scenery
