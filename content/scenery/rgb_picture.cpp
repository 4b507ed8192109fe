// rgb_picture.cpp -- a full-colour picture to paint cut-scenes on, and its reduction to an
// indexed picture with a palette of its own
#include "rgb_picture.h"

#include <algorithm>
#include <cmath>

#include "canvas.h"

namespace scenery {
namespace {

float distance(Colour a, Colour b) {
  // Weighted towards green, as the eye is; good enough for picking palette entries.
  const float dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return 2.0f * dr * dr + 4.0f * dg * dg + 3.0f * db * db;
}

float luma(Colour c) { return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b; }

// k-means over the picture's colours, starting from colours spread over its lightness.
std::vector<Colour> chooseColours(const std::vector<Colour>& pixels, int count) {
  std::vector<Colour> sorted = pixels;
  std::sort(sorted.begin(), sorted.end(), [](Colour a, Colour b) { return luma(a) < luma(b); });
  std::vector<Colour> centres;
  for (int k = 0; k < count; ++k)
    centres.push_back(sorted[(sorted.size() - 1) * size_t(k) / size_t(count - 1)]);
  std::vector<int> owner(pixels.size());
  for (int round = 0; round < 12; ++round) {
    std::vector<Colour> sum(centres.size());
    std::vector<int> n(centres.size(), 0);
    for (size_t i = 0; i < pixels.size(); ++i) {
      int best = 0;
      float bestD = 1e9f;
      for (size_t k = 0; k < centres.size(); ++k) {
        const float d = distance(pixels[i], centres[k]);
        if (d < bestD) bestD = d, best = int(k);
      }
      owner[i] = best;
      sum[size_t(best)].r += pixels[i].r;
      sum[size_t(best)].g += pixels[i].g;
      sum[size_t(best)].b += pixels[i].b;
      ++n[size_t(best)];
    }
    for (size_t k = 0; k < centres.size(); ++k)
      if (n[k] > 0) centres[k] = scaled(sum[k], 1.0f / float(n[k]));
  }
  return centres;
}

uint8_t byte(float v) { return uint8_t(std::clamp(int(std::lround(v * 255.0f)), 0, 255)); }

}  // namespace

Colour hex(uint32_t rgb) {
  return {float((rgb >> 16) & 255) / 255.0f, float((rgb >> 8) & 255) / 255.0f,
          float(rgb & 255) / 255.0f};
}

Colour mix(Colour a, Colour b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scaled(Colour a, float k) { return {a.r * k, a.g * k, a.b * k}; }

RgbPicture::RgbPicture(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(size_t(width) * size_t(height), fill) {}

Colour RgbPicture::at(int x, int y) const {
  return inside(x, y) ? pixels_[size_t(y) * size_t(width_) + size_t(x)] : Colour{};
}

void RgbPicture::put(int x, int y, Colour c) {
  if (inside(x, y)) pixels_[size_t(y) * size_t(width_) + size_t(x)] = c;
}

void RgbPicture::blend(int x, int y, Colour c, float amount) {
  if (inside(x, y)) put(x, y, mix(at(x, y), c, amount));
}

void RgbPicture::glow(float cx, float cy, float radius, Colour c, float strength) {
  for (int y = int(cy - radius); y <= int(cy + radius); ++y)
    for (int x = int(cx - radius); x <= int(cx + radius); ++x) {
      if (!inside(x, y)) continue;
      const float d = std::hypot(float(x) - cx, float(y) - cy) / radius;
      if (d >= 1.0f) continue;
      const float k = strength * (1.0f - d) * (1.0f - d);
      const Colour p = at(x, y);
      put(x, y,
          {std::min(1.0f, p.r + c.r * k), std::min(1.0f, p.g + c.g * k),
           std::min(1.0f, p.b + c.b * k)});
    }
}

void RgbPicture::rect(int x0, int y0, int x1, int y1, Colour c) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) put(x, y, c);
}

std::vector<uint8_t> reduceColours(const RgbPicture& picture,
                                   const std::vector<std::pair<int, Colour>>& fixed,
                                   std::vector<uint8_t>& palette, bool doubled) {
  std::vector<Colour> pixels;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) pixels.push_back(picture.at(x, y));
  std::vector<Colour> entries(256, Colour{});
  std::vector<bool> taken(256, false);
  for (const auto& [index, colour] : fixed) {
    entries[size_t(index)] = colour;
    taken[size_t(index)] = true;
  }
  const int free = int(std::count(taken.begin(), taken.end(), false));
  const std::vector<Colour> chosen = chooseColours(pixels, free);
  for (size_t i = 0, k = 0; i < 256; ++i)
    if (!taken[i]) entries[i] = chosen[k++];
  palette.clear();
  for (const Colour& c : entries) palette.insert(palette.end(), {byte(c.r), byte(c.g), byte(c.b)});

  const int scale = doubled ? 2 : 1;
  const int w = picture.width() * scale;
  std::vector<uint8_t> indices(size_t(w) * size_t(picture.height() * scale));
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const float d = (bayer(x, y) - 0.5f) * 0.045f;
      const Colour p = picture.at(x, y);
      const Colour target{p.r + d, p.g + d, p.b + d};
      int best = 0;
      float bestD = 1e9f;
      for (int k = 0; k < 256; ++k) {
        const float dist = distance(target, entries[size_t(k)]);
        if (dist < bestD) bestD = dist, best = k;
      }
      for (int sy = 0; sy < scale; ++sy)
        for (int sx = 0; sx < scale; ++sx)
          indices[size_t(y * scale + sy) * size_t(w) + size_t(x * scale + sx)] = uint8_t(best);
    }
  return indices;
}

}  // namespace scenery
