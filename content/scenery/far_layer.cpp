// far_layer.cpp -- the far layer behind every map: the winter night sky, mountains and hills
#include <algorithm>
#include <cmath>
#include <vector>

#include "game_ramps.h"
#include "pictures.h"

namespace scenery {
namespace {

constexpr int kWidth = 800, kHeight = 240;
constexpr float kMoonX = 590, kMoonY = 30, kMoonR = 7;

using game::kNight;
using game::kSnow;
// The far hills: the night's blues into dim snow.
const Ramp kHill = Ramp::run(35, 40).then(kSnow.slice(0, 4));

void sky(Canvas& c) {
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const float band = fbm(float(x) / 160.0f, float(y) / 14.0f, 3, 3) - 0.5f;
      const float moon = std::hypot(float(x) - kMoonX, float(y) - kMoonY);
      const float halo = std::max(0.0f, 1.0f - moon / 46.0f);
      const float t =
          0.03f + 0.72f * std::pow(float(y) / 150.0f, 1.3f) + 0.07f * band + 0.22f * halo * halo;
      c.put(x, y, kNight.shade(t, x, y));
    }
}

void moon(Canvas& c) {
  c.ellipse(kMoonX, kMoonY, kMoonR, kMoonR, [](int x, int y) {
    const float dx = float(x) + 0.5f - kMoonX, dy = float(y) + 0.5f - kMoonY;
    const float seas = fbm(float(x) / 4.0f, float(y) / 4.0f, 11, 2);
    if (dx + dy > 7.5f) return 94;  // the limb away from the light
    return seas > 0.6f ? 93 : seas > 0.52f ? 92 : 91;
  });
}

void stars(Canvas& c) {
  for (int k = 0; k < 150; ++k) {
    const int x = int(hash01(k, 0, 21) * kWidth);
    const float v = hash01(k, 1, 21);
    const int y = int(v * v * 115.0f);
    if (std::hypot(float(x) - kMoonX, float(y) - kMoonY) < 30) continue;
    const float b = hash01(k, 2, 21);
    c.put(x, y, b > 0.7f ? 15 : b > 0.4f ? 13 : kSnow.step(8));
    if (b > 0.93f) {  // a bright star with a small cross
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        c.put(x + dx, y + dy, kSnow.step(6));
    }
  }
}

// Ridge line of a mountain range: jagged peaks from ridged noise.
float ridgeRow(int x, float base, float amp, float scale, uint32_t seed) {
  const float n = fbm(float(x) / scale, 0.5f, seed, 4);
  const float ridged =
      1.0f - std::abs(2.0f * fbm(float(x) / (scale * 0.6f), 3.5f, seed + 5, 3) - 1.0f);
  return base - amp * (0.55f * n + 0.6f * ridged * ridged);
}

// Relief of a rock face: ridged noise, as a height toward the viewer.
float relief(float x, float y, uint32_t seed) {
  const float n = fbm(x / 30.0f, y / 30.0f, seed, 4);
  return 1.0f - std::abs(2.0f * n - 1.0f);
}

// A range of mountains: `haze` 0 for the far, bright range, up to 1 for nearer, darker
// ones with less snow.
void range(Canvas& c, float base, float amp, float scale, uint32_t seed, float haze) {
  // The ridge and its running sums, so that the slope can be read over wider spans lower
  // down: broad lit and shadowed faces under each peak.
  std::vector<float> sums(kWidth + 1, 0.0f);
  for (int x = 0; x < kWidth; ++x)
    sums[size_t(x) + 1] = sums[size_t(x)] + ridgeRow(x, base, amp, scale, seed);
  auto mean = [&](int a, int b) {
    a = std::clamp(a, 0, kWidth - 1);
    b = std::clamp(b, a + 1, kWidth);
    return (sums[size_t(b)] - sums[size_t(a)]) / float(b - a);
  };
  for (int x = 0; x < kWidth; ++x) {
    const float top = ridgeRow(x, base, amp, scale, seed);
    for (int y = int(std::ceil(top)); y < kHeight; ++y) {
      const float down = float(y) - top;
      const int span = 2 + int(down * 0.7f);
      const float slope = (mean(x + 1, x + 1 + span) - mean(x - span, x)) / float(span) * 3.0f;
      const float gx =
          relief(float(x) + 1, float(y), seed + 2) - relief(float(x) - 1, float(y), seed + 2);
      const float gy =
          relief(float(x), float(y) + 1, seed + 2) - relief(float(x), float(y) - 1, seed + 2);
      const float light = 0.5f + 5.0f * (gx + 0.4f * gy) + 0.15f * std::clamp(slope, -2.0f, 2.0f);
      // Snow rests where the face turns upward, and thins out low down.
      // Rock shows in ribs running down the fall line, more of it lower down; snow fills
      // the gullies between and lies on whatever turns upward.
      const float ribs = fbm(float(x) / 7.0f, down / 38.0f, seed + 7, 3);
      const float snow =
          0.95f - (0.019f + 0.02f * haze) * down - 0.5f * haze - 2.2f * (ribs - 0.5f) + 3.0f * gy;
      int index;
      if (snow > 0.35f)
        index = kSnow.shade(0.25f + 0.5f * light - 0.005f * down - 0.3f * haze, x, y);
      else
        index = kNight.shade(0.30f + 0.14f * light - 0.12f * haze + 0.002f * down, x, y);
      if (down < 1)
        index = light > 0.5f ? kSnow.step(9 - int(5 * haze)) : kSnow.step(5 - int(3 * haze));
      c.put(x, y, index);
    }
  }
}

void mountains(Canvas& c) {
  range(c, 120, 80, 190, 41, 0.0f);
  // Mist at the mountains' feet.
  for (int y = 112; y < 150; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const float m = (1.0f - std::abs(float(y) - 132.0f) / 20.0f) *
                      (0.55f + 0.6f * (fbm(float(x) / 70.0f, float(y) / 8.0f, 47, 3) - 0.5f));
      if (m > bayer(x, y) + 0.25f && c.at(x, y) != kClear)
        c.put(x, y, kNight.step(11 + (m > 0.8f)));
    }
}

void hills(Canvas& c) {
  for (int x = 0; x < kWidth; ++x) {
    const float top = 138.0f - 18.0f * fbm(float(x) / 110.0f, 1.5f, 51, 3);
    for (int y = int(std::ceil(top)); y < kHeight; ++y) {
      const float down = float(y) - top;
      const float t =
          0.62f - 0.012f * down + 0.2f * (fbm(float(x) / 30.0f, float(y) / 10.0f, 53, 2) - 0.5f);
      c.put(x, y, down < 1 ? kSnow.step(5) : kHill.shade(t, x, y));
    }
    // Small dark pines along the hill's crest.
    if (hash01(x, 7, 55) < 0.22f) {
      const int h = 3 + int(hash01(x, 8, 55) * 7);
      const int base = int(top) + 2 + int(hash01(x, 9, 55) * 4);
      for (int i = 0; i < h; ++i)
        for (int dx = -(i * 2 / 5); dx <= i * 2 / 5; ++dx)
          c.put(x + dx, base - h + i, kNight.step(i < 2 ? 3 : 2));
    }
  }
}

}  // namespace

Canvas drawFarLayer() {
  Canvas c(kWidth, kHeight, 0);
  sky(c);
  stars(c);
  moon(c);
  mountains(c);
  range(c, 150, 40, 120, 71, 0.8f);
  hills(c);
  return c;
}

}  // namespace scenery
