// shapes.h -- the pixels that shapes cover, for indexed and full-colour pictures alike
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace scenery {

struct Point {
  float x, y;
};

// Calls f(x, y) for every pixel whose centre lies inside the ellipse.
template <class F>
void forEllipse(float cx, float cy, float rx, float ry, F f) {
  if (rx <= 0 || ry <= 0) return;
  for (int y = int(std::floor(cy - ry)); y <= int(std::ceil(cy + ry)); ++y)
    for (int x = int(std::floor(cx - rx)); x <= int(std::ceil(cx + rx)); ++x) {
      const float dx = (float(x) + 0.5f - cx) / rx, dy = (float(y) + 0.5f - cy) / ry;
      if (dx * dx + dy * dy <= 1.0f) f(x, y);
    }
}

// Calls f(x, y) for every pixel of rows 0..height-1 whose centre lies inside the polygon
// (even-odd rule).
template <class F>
void forPolygon(const std::vector<Point>& points, int height, F f) {
  if (points.size() < 3) return;
  float top = points[0].y, bottom = points[0].y;
  for (const Point& p : points) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  std::vector<float> crossings;
  for (int y = std::max(0, int(std::floor(top))); y <= std::min(height - 1, int(bottom)); ++y) {
    const float cy = float(y) + 0.5f;
    crossings.clear();
    for (size_t i = 0; i < points.size(); ++i) {
      const Point& a = points[i];
      const Point& b = points[(i + 1) % points.size()];
      if ((a.y <= cy) != (b.y <= cy))
        crossings.push_back(a.x + (cy - a.y) / (b.y - a.y) * (b.x - a.x));
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t i = 0; i + 1 < crossings.size(); i += 2)
      for (int x = int(std::ceil(crossings[i] - 0.5f)); float(x) + 0.5f <= crossings[i + 1]; ++x)
        f(x, y);
  }
}

}  // namespace scenery
