// canvas.cpp -- an indexed picture to draw on, with ramps, ordered dithering and noise
#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace scenery {

Ramp Ramp::run(int dark, int light) {
  Ramp r;
  const int d = light >= dark ? 1 : -1;
  for (int i = dark; i != light + d; i += d) r.entries.push_back(i);
  return r;
}

Ramp Ramp::then(const Ramp& lighter) const {
  Ramp r = *this;
  r.entries.insert(r.entries.end(), lighter.entries.begin(), lighter.entries.end());
  return r;
}

Ramp Ramp::slice(int first, int last) const {
  first = std::clamp(first, 0, size() - 1);
  last = std::clamp(last, first, size() - 1);
  Ramp r;
  r.entries.assign(entries.begin() + first, entries.begin() + last + 1);
  return r;
}

int Ramp::step(int s) const { return entries[size_t(std::clamp(s, 0, size() - 1))]; }

int Ramp::shade(float t, int x, int y) const {
  const float v = std::clamp(t, 0.0f, 1.0f) * float(size() - 1);
  const int base = int(std::floor(v));
  return step(v - float(base) > bayer(x, y) ? base + 1 : base);
}

int Ramp::flat(float t) const {
  return step(int(std::lround(std::clamp(t, 0.0f, 1.0f) * float(size() - 1))));
}

float bayer(int x, int y) {
  static const int m[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
                              {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
                              {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
                              {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};
  return (float(m[y & 7][x & 7]) + 0.5f) / 64.0f;
}

float hash01(int x, int y, uint32_t seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return float(h & 0xffffff) / float(0x1000000);
}

float valueNoise(float x, float y, uint32_t seed) {
  const int xi = int(std::floor(x)), yi = int(std::floor(y));
  const float fx = x - float(xi), fy = y - float(yi);
  const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const float a = hash01(xi, yi, seed), b = hash01(xi + 1, yi, seed);
  const float c = hash01(xi, yi + 1, seed), d = hash01(xi + 1, yi + 1, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float fbm(float x, float y, uint32_t seed, int octaves) {
  float sum = 0, weight = 0, amplitude = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += amplitude * valueNoise(x, y, seed + uint32_t(i) * 101u);
    weight += amplitude;
    amplitude *= 0.5f;
    x *= 2;
    y *= 2;
  }
  return sum / weight;
}

Canvas::Canvas(int width, int height, int fill)
    : width_(width), height_(height), pixels_(size_t(width) * size_t(height), uint8_t(fill)) {}

int Canvas::at(int x, int y) const {
  return inside(x, y) ? pixels_[size_t(y) * size_t(width_) + size_t(x)] : kClear;
}

void Canvas::put(int x, int y, int index) {
  if (index >= 0 && inside(x, y)) pixels_[size_t(y) * size_t(width_) + size_t(x)] = uint8_t(index);
}

void Canvas::rect(int x0, int y0, int x1, int y1, const Brush& brush) {
  for (int y = std::max(y0, 0); y <= std::min(y1, height_ - 1); ++y)
    for (int x = std::max(x0, 0); x <= std::min(x1, width_ - 1); ++x) paint(x, y, brush);
}

void Canvas::hline(int x0, int x1, int y, int index) {
  for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) put(x, y, index);
}

void Canvas::vline(int x, int y0, int y1, int index) {
  for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y) put(x, y, index);
}

void Canvas::line(int x0, int y0, int x1, int y1, int index) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    put(x0, y0, index);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void Canvas::ellipse(float cx, float cy, float rx, float ry, const Brush& brush) {
  forEllipse(cx, cy, rx, ry, [&](int x, int y) { paint(x, y, brush); });
}

void Canvas::polygon(const std::vector<Point>& points, const Brush& brush) {
  forPolygon(points, height_, [&](int x, int y) { paint(x, y, brush); });
}

void Canvas::replace(int x0, int y0, int x1, int y1, int from, int to) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (inside(x, y) && at(x, y) == from) put(x, y, to);
}

void Canvas::outline(int x0, int y0, int x1, int y1, const std::function<bool(int)>& isShape,
                     int index, int where) {
  std::vector<std::pair<int, int>> marks;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      if (!inside(x, y) || at(x, y) != where) continue;
      if (isShape(at(x - 1, y)) || isShape(at(x + 1, y)) || isShape(at(x, y - 1)) ||
          isShape(at(x, y + 1)))
        marks.emplace_back(x, y);
    }
  for (auto [x, y] : marks) put(x, y, index);
}

}  // namespace scenery
