// canvas.h -- an indexed picture to draw on, with ramps, ordered dithering and noise
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "shapes.h"

namespace scenery {

// Sky in map pictures: the far layer shows through it.
constexpr int kClear = 255;

// Palette entries from dark to light: a run of the palette (which lists some ramps from
// light to dark; a Ramp hides that) or entries picked from several runs.
struct Ramp {
  std::vector<int> entries;
  // Entries dark to light from `dark` to `light`, either way round in the palette.
  static Ramp run(int dark, int light);
  Ramp then(const Ramp& lighter) const;   // this ramp, then `lighter`'s entries
  Ramp slice(int first, int last) const;  // steps first..last
  int size() const { return int(entries.size()); }
  // Step 0 is the darkest entry, size() - 1 the lightest; steps outside are held.
  int step(int s) const;
  // The entry for level t (0 dark, 1 light) dithered at (x, y) between two neighbours.
  int shade(float t, int x, int y) const;
  // The same without dithering.
  int flat(float t) const;
};

// Threshold of an 8 x 8 Bayer matrix, in [0, 1).
float bayer(int x, int y);
// Deterministic noise: a hash in [0, 1) for a lattice point, smooth value noise and a
// sum of octaves of it, all in [0, 1].
float hash01(int x, int y, uint32_t seed);
float valueNoise(float x, float y, uint32_t seed);
float fbm(float x, float y, uint32_t seed, int octaves);

// Gives the index to put at (x, y), or -1 to leave the pixel as it is.
using Brush = std::function<int(int x, int y)>;
inline Brush solid(int index) {
  return [index](int, int) { return index; };
}

class Canvas {
 public:
  Canvas(int width, int height, int fill);
  int width() const { return width_; }
  int height() const { return height_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // kClear outside the picture.
  int at(int x, int y) const;
  void put(int x, int y, int index);  // ignores points outside and negative indices
  void paint(int x, int y, const Brush& brush) { put(x, y, brush(x, y)); }
  // Corners inclusive.
  void rect(int x0, int y0, int x1, int y1, const Brush& brush);
  void hline(int x0, int x1, int y, int index);
  void vline(int x, int y0, int y1, int index);
  void line(int x0, int y0, int x1, int y1, int index);
  void ellipse(float cx, float cy, float rx, float ry, const Brush& brush);
  // Even-odd fill of the pixels whose centres lie inside.
  void polygon(const std::vector<Point>& points, const Brush& brush);
  // Pixels whose index is `from` become `to` inside the rectangle.
  void replace(int x0, int y0, int x1, int y1, int from, int to);
  // One-pixel outline in `index` around every pixel for which `isShape` holds, put on the
  // neighbouring pixels that are `where` (kClear: the outline only borders the sky).
  void outline(int x0, int y0, int x1, int y1, const std::function<bool(int)>& isShape, int index,
               int where);
  const std::vector<uint8_t>& pixels() const { return pixels_; }
  std::vector<uint8_t>& pixels() { return pixels_; }

 private:
  int width_, height_;
  std::vector<uint8_t> pixels_;
};

}  // namespace scenery
