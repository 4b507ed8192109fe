// canvas.cpp -- a frame being drawn: shapes, shading, outline, stamps
#include "art/canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

Ramp farSide(const Ramp& r) { return {r.base, r.shade, r.deep, r.deep}; }

Mask& Mask::operator|=(const Mask& o) {
  for (size_t i = 0; i < on_.size() && i < o.on_.size(); ++i) on_[i] |= o.on_[i];
  return *this;
}

Mask& Mask::operator-=(const Mask& o) {
  for (size_t i = 0; i < on_.size() && i < o.on_.size(); ++i)
    if (o.on_[i]) on_[i] = 0;
  return *this;
}

Mask& Mask::operator&=(const Mask& o) {
  for (size_t i = 0; i < on_.size(); ++i) on_[i] = on_[i] && i < o.on_.size() && o.on_[i];
  return *this;
}

Mask Canvas::ellipse(float cx, float cy, float rx, float ry) const {
  Mask m(w_, h_);
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      const float dx = (float(x) + 0.5f - cx) / rx, dy = (float(y) + 0.5f - cy) / ry;
      if (dx * dx + dy * dy <= 1.0f) m.set(x, y);
    }
  return m;
}

Mask Canvas::capsule(Pt a, Pt b, float r) const {
  Mask m(w_, h_);
  const float vx = b.x - a.x, vy = b.y - a.y, len2 = vx * vx + vy * vy;
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      const float px = float(x) + 0.5f - a.x, py = float(y) + 0.5f - a.y;
      float t = len2 > 0.0f ? (px * vx + py * vy) / len2 : 0.0f;
      t = std::clamp(t, 0.0f, 1.0f);
      const float dx = px - t * vx, dy = py - t * vy;
      if (dx * dx + dy * dy <= r * r) m.set(x, y);
    }
  return m;
}

Mask Canvas::rect(int x0, int y0, int w, int h) const {
  Mask m(w_, h_);
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) m.set(x, y);
  return m;
}

Mask Canvas::polygon(std::initializer_list<Pt> pts) const { return polygon(std::vector<Pt>(pts)); }

Mask Canvas::polygon(const std::vector<Pt>& pts) const {
  Mask m(w_, h_);
  const size_t n = pts.size();
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      const float px = float(x) + 0.5f, py = float(y) + 0.5f;
      bool in = false;
      for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const Pt a = pts[i], b = pts[j];
        if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x) in = !in;
      }
      if (in) m.set(x, y);
    }
  return m;
}

void Canvas::fill(const Mask& m, uint8_t c) {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x)
      if (m.at(x, y)) put(x, y, c);
}

namespace {

uint8_t rimTone(const Mask& m, int x, int y, const Ramp& r) {
  const bool right = !m.at(x + 1, y), down = !m.at(x, y + 1);
  const bool left = !m.at(x - 1, y), up = !m.at(x, y - 1);
  if (right && down) return r.deep;
  if (right || down) return r.shade;
  if (left || up) return r.hi;
  return r.base;
}

}  // namespace

void Canvas::shade(const Mask& m, const Ramp& r) {
  std::vector<uint8_t> out(px_);
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x)
      if (m.at(x, y)) out[size_t(y) * size_t(w_) + size_t(x)] = rimTone(m, x, y, r);
  px_ = std::move(out);
}

void Canvas::shadeRimmed(const Mask& m, const Ramp& r) {
  std::vector<uint8_t> out(px_);
  // Only the rim that lies over something drawn turns deep; against the clear the outline
  // does that work.
  auto coversSomething = [&](int x, int y) { return !m.at(x, y) && opaque(x, y); };
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      if (!m.at(x, y)) continue;
      const bool rim = coversSomething(x + 1, y) || coversSomething(x - 1, y) ||
                       coversSomething(x, y + 1) || coversSomething(x, y - 1);
      out[size_t(y) * size_t(w_) + size_t(x)] = rim ? r.deep : rimTone(m, x, y, r);
    }
  px_ = std::move(out);
}

void Canvas::line(Pt a, Pt b, uint8_t c) {
  int x0 = int(std::floor(a.x)), y0 = int(std::floor(a.y));
  const int x1 = int(std::floor(b.x)), y1 = int(std::floor(b.y));
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    put(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

void Canvas::outline(uint8_t ink) {
  std::vector<uint8_t> out(px_);
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x)
      if (!opaque(x, y) &&
          (opaque(x + 1, y) || opaque(x - 1, y) || opaque(x, y + 1) || opaque(x, y - 1)))
        out[size_t(y) * size_t(w_) + size_t(x)] = ink;
  px_ = std::move(out);
}

void Canvas::shadow(int x0, int x1, int y) {
  constexpr uint8_t kSnowShadow = 24;
  for (int x = x0; x <= x1; ++x)
    if (!opaque(x, y)) put(x, y, kSnowShadow);
}

void Canvas::mirror() {
  for (int y = 0; y < h_; ++y)
    std::reverse(px_.begin() + std::ptrdiff_t(y) * w_, px_.begin() + std::ptrdiff_t(y + 1) * w_);
}

void Canvas::paste(const Canvas& c, int x, int y) {
  for (int r = 0; r < c.height(); ++r)
    for (int k = 0; k < c.width(); ++k)
      if (c.opaque(k, r)) put(x + k, y + r, c.at(k, r));
}

int Stamp::width() const {
  size_t w = 0;
  for (const std::string& r : rows) w = std::max(w, r.size());
  return int(w);
}

void stamp(Canvas& c, const Stamp& s, int x, int y, bool flip) {
  const int w = s.width();
  for (int r = 0; r < s.height(); ++r)
    for (int k = 0; k < int(s.rows[size_t(r)].size()); ++k) {
      const char ch = s.rows[size_t(r)][size_t(k)];
      if (ch == '.' || ch == ' ') continue;
      const auto it = s.legend.find(ch);
      if (it != s.legend.end()) c.put(flip ? x + w - 1 - k : x + k, y + r, it->second);
    }
}

}  // namespace art
