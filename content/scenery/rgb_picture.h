// rgb_picture.h -- a full-colour picture to paint cut-scenes on, and its reduction to an
// indexed picture with a palette of its own
#pragma once

#include <cstdint>
#include <vector>

#include "shapes.h"

namespace scenery {

struct Colour {
  float r = 0, g = 0, b = 0;  // 0..1
};
Colour hex(uint32_t rgb);
Colour mix(Colour a, Colour b, float t);
Colour scaled(Colour a, float k);

class RgbPicture {
 public:
  RgbPicture(int width, int height, Colour fill);
  int width() const { return width_; }
  int height() const { return height_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Colour at(int x, int y) const;
  void put(int x, int y, Colour c);
  // Mixes `c` over the pixel by `amount` (0..1).
  void blend(int x, int y, Colour c, float amount);
  // Adds light: a glow of colour c with strength falling off from the centre.
  void glow(float cx, float cy, float radius, Colour c, float strength);
  template <class F>
  void polygon(const std::vector<Point>& points, F paint) {
    forPolygon(points, height_, [&](int x, int y) {
      if (x >= 0 && x < width_) paint(x, y);
    });
  }
  template <class F>
  void ellipse(float cx, float cy, float rx, float ry, F paint) {
    forEllipse(cx, cy, rx, ry, [&](int x, int y) {
      if (inside(x, y)) paint(x, y);
    });
  }
  void rect(int x0, int y0, int x1, int y1, Colour c);

 private:
  int width_, height_;
  std::vector<Colour> pixels_;
};

// The picture reduced to 256 colours: entries `fixed` keep their given colours (and may
// be used where they fit); the others are chosen for the picture. Ordered dithering.
// Returns the indices, doubled in both directions when `doubled`, and fills palette with
// 256 RGB triples.
std::vector<uint8_t> reduceColours(const RgbPicture& picture,
                                   const std::vector<std::pair<int, Colour>>& fixed,
                                   std::vector<uint8_t>& palette, bool doubled);

}  // namespace scenery
