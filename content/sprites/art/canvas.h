// canvas.h -- a frame being drawn: palette indices with 255 as clear, masks of shapes, the
// rim shading that gives a part its roundness, the silhouette outline and text stamps
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace art {

constexpr uint8_t kClear = 255;
// The outline of every figure: near-black reads against white snow and dark night alike.
constexpr uint8_t kInk = 1;

// Four tones of one material, lit from the upper left.
struct Ramp {
  uint8_t hi, base, shade, deep;
};
// The same material a step darker, for limbs on the far side of a body.
Ramp farSide(const Ramp& r);

struct Pt {
  float x, y;
};

class Mask {
 public:
  Mask(int w, int h) : w_(w), h_(h), on_(size_t(w) * size_t(h), 0) {}
  int width() const { return w_; }
  int height() const { return h_; }
  bool at(int x, int y) const {
    return x >= 0 && y >= 0 && x < w_ && y < h_ && on_[size_t(y) * size_t(w_) + size_t(x)];
  }
  void set(int x, int y, bool v = true) {
    if (x >= 0 && y >= 0 && x < w_ && y < h_) on_[size_t(y) * size_t(w_) + size_t(x)] = v;
  }
  Mask& operator|=(const Mask& o);
  Mask& operator-=(const Mask& o);
  Mask& operator&=(const Mask& o);

 private:
  int w_, h_;
  std::vector<uint8_t> on_;
};

class Canvas {
 public:
  Canvas(int w, int h) : w_(w), h_(h), px_(size_t(w) * size_t(h), kClear) {}
  int width() const { return w_; }
  int height() const { return h_; }
  uint8_t at(int x, int y) const {
    return inside(x, y) ? px_[size_t(y) * size_t(w_) + size_t(x)] : kClear;
  }
  bool opaque(int x, int y) const { return at(x, y) != kClear; }
  void put(int x, int y, uint8_t c) {
    if (inside(x, y)) px_[size_t(y) * size_t(w_) + size_t(x)] = c;
  }
  const std::vector<uint8_t>& pixels() const { return px_; }

  // Shapes as masks of this canvas's size; coordinates are pixel centres at n + 0.5.
  Mask ellipse(float cx, float cy, float rx, float ry) const;
  Mask capsule(Pt a, Pt b, float r) const;  // a thick line with round ends
  Mask rect(int x, int y, int w, int h) const;
  Mask polygon(std::initializer_list<Pt> pts) const;
  Mask polygon(const std::vector<Pt>& pts) const;

  void fill(const Mask& m, uint8_t c);
  // base inside, hi along the upper-left rim, shade along the lower-right rim, deep in the
  // lower-right corners; a part keeps its shape against whatever lies under it.
  void shade(const Mask& m, const Ramp& r);
  // As shade, with the whole rim in deep: a part that must stand apart from what it covers.
  void shadeRimmed(const Mask& m, const Ramp& r);
  void line(Pt a, Pt b, uint8_t c);  // one pixel wide
  // Every clear pixel beside (not diagonally) a drawn one becomes ink.
  void outline(uint8_t ink = kInk);
  // A shadow on the snow under something in the air: the clear pixels of row y from x0
  // to x1, in the snow's shadow blue.
  void shadow(int x0, int x1, int y);
  void mirror();
  // Draws another canvas with its top-left at (x, y); its clear pixels are skipped.
  void paste(const Canvas& c, int x, int y);

 private:
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  int w_, h_;
  std::vector<uint8_t> px_;
};

// A small picture written as text rows, one character a pixel; '.' and ' ' are clear and
// every other character is looked up in the legend.
struct Stamp {
  std::vector<std::string> rows;
  std::map<char, uint8_t> legend;
  int width() const;
  int height() const { return int(rows.size()); }
};
// Draws the stamp with its top-left at (x, y), mirrored when flip is set.
void stamp(Canvas& c, const Stamp& s, int x, int y, bool flip = false);

}  // namespace art
