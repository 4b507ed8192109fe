// rocks.cpp -- rock faces with snow on their ledges, boulders, and the dark of a gorge
#include "rocks.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "game_ramps.h"

namespace scenery {
namespace {

// Rock in moonlight: blue-black into slate.
const Ramp kRock{{1, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43}};

// The rock is broken into blocks: jittered cells, each a flat facet with its own tilt.
struct Cell {
  float x, y;
  int id;
};

constexpr float kCellW = 17.0f, kCellH = 26.0f;

Cell cellSeed(int i, int j, uint32_t seed) {
  return {(float(i) + 0.15f + 0.7f * hash01(i, j, seed)) * kCellW,
          (float(j) + 0.15f + 0.7f * hash01(i, j, seed + 1)) * kCellH, i * 7919 + j};
}

// The nearest and second nearest cell to (x, y), the point first warped a little so that
// the blocks' edges wander.
void nearestCells(float x, float y, uint32_t seed, Cell& first, Cell& second, float& d1,
                  float& d2) {
  x += 9.0f * (fbm(x / 23.0f, y / 23.0f, seed + 20, 2) - 0.5f);
  y += 9.0f * (fbm(x / 23.0f, y / 23.0f, seed + 21, 2) - 0.5f);
  const int ci = int(std::floor(x / kCellW)), cj = int(std::floor(y / kCellH));
  d1 = d2 = 1e9f;
  for (int j = cj - 1; j <= cj + 1; ++j)
    for (int i = ci - 1; i <= ci + 1; ++i) {
      const Cell c = cellSeed(i, j, seed);
      // Tall blocks, like the columns of a cliff.
      const float d = std::hypot(x - c.x, (y - c.y) * 0.6f);
      if (d < d1) {
        d2 = d1;
        second = first;
        d1 = d;
        first = c;
      } else if (d < d2) {
        d2 = d;
        second = c;
      }
    }
}

}  // namespace

void drawRock(Canvas& c, int x0, int x1, const Skyline& top, int bottom, uint32_t seed,
              float haze) {
  std::vector<int> cellOf(size_t(c.width()) * size_t(c.height()), -1);
  for (int x = x0; x <= x1; ++x) {
    const float sky = top(x);
    for (int y = std::max(0, int(std::ceil(sky))); y <= bottom; ++y) {
      Cell cell{}, other{};
      float d1, d2;
      nearestCells(float(x), float(y), seed, cell, other, d1, d2);
      cellOf[size_t(y) * size_t(c.width()) + size_t(x)] = cell.id;
      // How far the facet turns to the moon: mostly clearly lit or clearly in shade.
      const float tilt = hash01(cell.id, 3, seed) < 0.5f ? 0.15f + 0.2f * hash01(cell.id, 6, seed)
                                                         : 0.6f + 0.3f * hash01(cell.id, 6, seed);
      const float otherTilt = hash01(other.id, 3, seed) < 0.5f ? 0.0f : 1.0f;
      const float up = hash01(cell.id, 4, seed);  // how much it faces upward
      const float within =
          (float(x) - cell.x) / kCellW * 0.1f + (float(y) - cell.y) / kCellH * 0.1f;
      const float grain = fbm(float(x) / 3.0f, float(y) / 5.0f, seed + 30, 2) - 0.5f;
      float t = 0.2f + 0.5f * tilt - within + 0.25f * grain + 0.25f * haze;
      int index = kRock.shade(t, x, y);
      // Cracks only where a lit facet meets one in shade below or right of it.
      if (d2 - d1 < 1.1f && tilt > 0.5f && otherTilt < 0.5f)
        index = kRock.step(haze > 0.3f ? 3 : 1);
      if (float(y) - sky < 1.5f)
        index = game::kSnow.step(11 - int(haze * 4));
      else if (float(y) - sky < 4.0f && up > 0.3f)
        index = game::kSnow.shade(0.7f + 0.3f * tilt - 0.2f * haze, x, y);
      c.put(x, y, index);
    }
  }
  // Snow on the upper edge of blocks that face up: where the block above is another one.
  for (int x = x0; x <= x1; ++x)
    for (int y = 1; y <= bottom; ++y) {
      const int id = cellOf[size_t(y) * size_t(c.width()) + size_t(x)];
      if (id < 0 || hash01(id, 4, seed) < 0.5f) continue;
      auto cellAt = [&](int px, int py) {
        return c.inside(px, py) ? cellOf[size_t(py) * size_t(c.width()) + size_t(px)] : -1;
      };
      // Only along the tops of blocks: the block above reaches over this pixel's neighbours too.
      const int above = cellAt(x, y - 1);
      if (above == id || above < 0 || cellAt(x - 2, y - 1) == id || cellAt(x + 2, y - 1) == id)
        continue;
      const int depth = 1 + int(hash01(id, 5, seed) * 2.5f);
      for (int k = 0; k < depth; ++k)
        if (cellOf[size_t(std::min(y + k, bottom)) * size_t(c.width()) + size_t(x)] == id)
          c.put(
              x, y + k,
              game::kSnow.step(12 - k * 2 - int(haze * 3) - (hash01(id, 3, seed) < 0.4f ? 2 : 0)));
      // Now and then an icicle from the block's lip above.
      if (hash01(x, y, seed + 9) < 0.05f)
        for (int k = 1; k <= 2 + int(hash01(x, y, seed + 10) * 4); ++k)
          c.put(x, y - 1 + k + depth, game::kSnow.step(9 - k));
    }
}

void drawBoulder(Canvas& c, int cx, int baseY, int width, int height, uint32_t seed) {
  const float rx = float(width) / 2.0f, ry = float(height);
  c.ellipse(float(cx), float(baseY), rx, ry, [&](int x, int y) {
    if (y > baseY) return -1;  // the rest is under the snow
    const float u = (float(x) - float(cx)) / rx, v = (float(baseY) - float(y)) / ry;
    const float n = fbm(float(x) / 4.0f, float(y) / 4.0f, seed, 2);
    if (v > 0.62f - 0.2f * u + 0.25f * (n - 0.5f)) return game::kSnow.shade(0.95f - 0.3f * u, x, y);
    return kRock.shade(0.55f - 0.35f * u + 0.2f * v + 0.25f * (n - 0.5f), x, y);
  });
}

}  // namespace scenery
