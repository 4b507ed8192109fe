// cut_scenes.cpp -- the opening and ending pictures, each with its own palette: the
// village under snow with the dark lantern on its hill, and the same village at the
// festival with the lantern shining
#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "pictures.h"
#include "rgb_picture.h"

namespace scenery {
namespace {

// Painted at half size and shown doubled, like the game's own pixels.
constexpr int kW = 320, kH = 240;
constexpr int kTextTop = 162;  // text is typed below here: keep it calm and dark
constexpr float kLanternX = 262, kLanternY = 50;

struct Mood {
  bool festival;
};

void sky(RgbPicture& p, const Mood& m) {
  const Colour top = hex(0x04060f), middle = hex(0x0e1834),
               horizon = m.festival ? hex(0x3a3a62) : hex(0x2a3a66);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const float v = float(y) / 125.0f;
      Colour c = v < 0.6f ? mix(top, middle, v / 0.6f) : mix(middle, horizon, (v - 0.6f) / 0.4f);
      if (!m.festival) {  // heavy snow clouds, their edges silvered by a hidden moon
        const float cloud = fbm(float(x) / 80.0f, float(y) / 22.0f, 501, 4);
        const float moon =
            std::max(0.0f, 1.0f - std::hypot(float(x) - 70.0f, float(y) - 30.0f) / 110.0f);
        const float thick = std::clamp((cloud - 0.45f) * 6.0f, 0.0f, 1.0f);
        c = mix(c, mix(hex(0x182242), hex(0x4a5a88), moon * moon), thick * 0.85f);
        c = mix(c, hex(0x3a4878), moon * moon * 0.35f);
      }
      p.put(x, y, c);
    }
  const int stars = m.festival ? 140 : 40;
  for (int k = 0; k < stars; ++k) {
    const int x = int(hash01(k, 0, 502) * kW),
              y = int(hash01(k, 1, 502) * hash01(k, 1, 502) * 110.0f);
    if (!m.festival && fbm(float(x) / 70.0f, float(y) / 18.0f, 501, 4) > 0.46f) continue;
    p.blend(x, y, hex(0xf0f4ff), 0.4f + 0.6f * hash01(k, 2, 502));
  }
}

float ridge(int x, float base, float amp, float scale, uint32_t seed) {
  const float r = 1.0f - std::abs(2.0f * fbm(float(x) / scale, 0.5f, seed, 4) - 1.0f);
  return base - amp * r;
}

void mountains(RgbPicture& p, const Mood& m) {
  for (int x = 0; x < kW; ++x) {
    const float top = ridge(x, 122, 42, 110, 503);
    const float slope = ridge(x + 1, 122, 42, 110, 503) - ridge(x - 1, 122, 42, 110, 503);
    for (int y = int(top); y < kH; ++y) {
      const float down = float(y) - top;
      Colour c = mix(hex(0x1e2a50), hex(0x2c3a66), down / 30.0f);
      if (down < 12.0f && fbm(float(x) / 5.0f, float(y) / 9.0f, 504, 2) > 0.35f + down / 25.0f)
        c = slope > 0 ? hex(0x8090bc) : hex(0x4a5a88);
      if (m.festival) c = mix(c, hex(0x4a3a50), 0.25f);
      p.put(x, y, c);
    }
  }
}

// Lantern Hill, rising on the right beyond the village: gentle on its left where the path
// climbs, steeper on its right.
float hillTop(int x) {
  const float d = float(x) - kLanternX;
  const float rise =
      d < 0 ? 64.0f * std::pow(-d / 110.0f, 1.6f) : 40.0f * std::pow(d / 70.0f, 1.4f);
  return kLanternY + 10.0f + rise + 2.0f * (fbm(float(x) / 12.0f, 0.0f, 505, 2) - 0.5f);
}

void lanternHill(RgbPicture& p, const Mood& m) {
  for (int x = 130; x < kW; ++x) {
    const float top = hillTop(x);
    const float slope = hillTop(x + 2) - hillTop(x - 2);  // < 0: the face turns to the moon
    for (int y = int(top); y < kH; ++y) {
      const float down = float(y) - top;
      const float lit = std::clamp(0.55f - 0.25f * slope, 0.0f, 1.0f);
      Colour c = mix(hex(0x2a3864), hex(0x8a9ac6), lit * std::max(0.0f, 1.0f - down / 40.0f));
      if (down < 1.0f) c = hex(0xaab8dc);
      const float forest = fbm(float(x) / 14.0f, float(y) / 9.0f, 512, 3);
      if (down > 8.0f && forest > 0.55f - down / 200.0f) c = mix(c, hex(0x0e1628), 0.75f);
      if (m.festival)
        c = mix(
            c, hex(0xd08850),
            0.35f * std::max(0.0f, 1.0f - std::hypot(float(x) - kLanternX, float(y) - kLanternY) /
                                              80.0f));
      p.put(x, y, c);
    }
  }
  // The path winding up to the top, with tiny lanterns' posts along it.
  for (int k = 0; k < 120; ++k) {
    const float f = float(k) / 120.0f;
    const float x = 150.0f + (kLanternX - 2.0f - 150.0f) * f + 10.0f * std::sin(f * 9.0f);
    const float y = hillTop(int(x)) + 3.0f + 6.0f * (1.0f - f);
    p.put(int(x), int(y), mix(hex(0x9aa8d0), hex(0x5a6890), f));
    if (k % 20 == 10) {
      p.put(int(x), int(y) - 1, hex(0x141018));
      p.put(int(x), int(y) - 2, m.festival ? hex(0xffc060) : hex(0x141018));
      if (m.festival) p.glow(x, y - 2.0f, 4, hex(0xffa040), 0.5f);
    }
  }
  // Firs on its shoulders, standing out against the snow near the top.
  for (int k = 0; k < 26; ++k) {
    const int x = 170 + int(hash01(k, 0, 506) * 150.0f);
    if (std::abs(float(x) - kLanternX) < 16.0f) continue;
    const int base = int(hillTop(x)) + 3 + int(hash01(k, 1, 506) * 10.0f);
    const int h = 5 + int(hash01(k, 2, 506) * 6);
    for (int i = 0; i < h; ++i)
      for (int dx = -(i / 3); dx <= i / 3; ++dx)
        p.put(x + dx, base - h + i, i % 3 == 0 && dx <= 0 ? hex(0x6a7aa6) : hex(0x0a1222));
  }
  // The great lantern on its post at the top, dark or alight.
  const int px = int(kLanternX), ground = int(hillTop(px));
  const int top = ground - 16;
  for (int y = top; y <= ground; ++y) p.put(px, y, hex(0x141018));
  for (int x = px; x <= px + 4; ++x) p.put(x, top + 1, hex(0x141018));
  p.rect(px - 3, ground - 1, px + 3, ground + 1, hex(0x4a4a5a));
  p.rect(px - 3, ground - 2, px + 3, ground - 2, hex(0xaab8dc));
  const float lx = float(px + 4), ly = float(top + 6);
  if (m.festival) {
    p.glow(lx, ly, 110, hex(0xff9040), 0.5f);
    p.glow(lx, ly, 36, hex(0xffd080), 0.75f);
    for (int k = 0; k < 12; ++k) {  // soft rays
      const float a = float(k) * 0.5236f + 0.2f;
      for (int r = 6; r < 30; ++r)
        p.blend(int(lx + std::cos(a) * float(r)), int(ly + std::sin(a) * float(r)), hex(0xffe0a0),
                0.25f * (1.0f - float(r) / 30.0f));
    }
  }
  p.ellipse(lx + 0.5f, ly, 2.6f, 3.6f, [&](int x, int y) {
    p.put(x, y,
          m.festival
              ? mix(hex(0xfff8d8), hex(0xffb040), std::hypot(float(x) - lx, float(y) - ly) / 3.0f)
              : hex(0x5a5450));
  });
  p.put(int(lx), int(ly) - 4, hex(0x141018));
  p.put(int(lx), int(ly) + 4, hex(0x141018));
}

// A house of the village: dark walls between pillars, paper windows, a tiled roof deep in
// snow whose eaves turn up at the ends. `light` 0 far and dim .. 1 near.
void house(RgbPicture& p, int x0, int x1, int base, int wall, int roof, bool lit, float light) {
  const Colour wallC = mix(hex(0x1c1826), hex(0x3e3440), light);
  p.rect(x0, base - wall, x1, base, wallC);
  p.rect(x0 - 1, base - 1, x1 + 1, base, mix(hex(0x2a2a3a), hex(0x5a5a6a), light));
  for (int x = x0; x <= x1; x += 7) p.rect(x, base - wall, x, base - 2, hex(0x120e14));
  for (int x = x0 + 2; x + 3 < x1; x += 7) {
    const bool on = lit && hash01(x, base, 507) < 0.75f;
    const int wy = base - wall + 2;
    p.rect(x, wy, x + 3, base - 3, on ? hex(0xffc868) : hex(0x262c40));
    if (on) {
      p.rect(x, wy + (base - 3 - wy) / 2, x + 3, wy + (base - 3 - wy) / 2, hex(0xc07a30));
      p.put(x + 1, wy, hex(0xfff0b8));
      p.glow(float(x) + 2.0f, float(base) + 1.0f, 10, hex(0xff9a40), 0.2f);
    }
  }
  const float mid = float(x0 + x1) / 2.0f, half = float(x1 - x0) / 2.0f + 4.0f;
  const float ridgeHalf = half - float(roof) * 0.9f;
  const int eave = base - wall - 1;
  for (int x = int(mid - half); x <= int(mid + half); ++x) {
    const float ax = std::abs(float(x) - mid);
    const float u = ax / half;
    const float curl = std::max(0.0f, (u - 0.55f) / 0.45f);
    const float e = float(eave) - 3.0f * curl * curl;
    const float t = float(eave - roof) + std::max(0.0f, ax - ridgeHalf) * 1.1f;
    for (int y = int(t); y <= int(e); ++y) {
      const float down = (float(y) - t) / std::max(1.0f, e - t);
      Colour c = mix(hex(0xeef2fc), hex(0x8a98c0),
                     down * 0.7f + (float(x) > mid + ridgeHalf ? 0.3f : 0.0f));
      p.put(x, y, mix(c, hex(0x3a4a78), 1.0f - light));
    }
    p.put(x, int(t) - 1, mix(hex(0x1a1a28), hex(0x2a3458), 1.0f - light));  // the ridge
    p.put(x, int(e) + 1, hex(0x100c14));
    if (x % 2 == 0) p.put(x, int(e) + 2, hex(0x100c14));
  }
}

void pine(RgbPicture& p, int x, int base, int h, float light) {
  for (int i = 0; i < h; ++i) {
    const int half = int(float(i) * 0.32f) + (i % 4 == 3 ? 1 : 0);
    for (int dx = -half; dx <= half; ++dx) {
      const bool snow = i % 4 == 0 || (i % 4 == 1 && dx < 0);
      p.put(x + dx, base - h + i, snow ? mix(hex(0x3a4a70), hex(0xb8c4e0), light) : hex(0x0a1a18));
    }
  }
  p.rect(x, base - 1, x, base + 1, hex(0x1a1010));
}

void smoke(RgbPicture& p, float x, float y) {
  for (int i = 0; i < 26; ++i) {
    const float f = float(i) / 26.0f;
    const float cx = x + 8.0f * f * f + 1.5f * std::sin(float(i) / 3.0f);
    for (int dx = -2; dx <= 2; ++dx)
      p.blend(int(cx) + dx, int(y) - i, hex(0x8a96b8),
              0.18f * (1.0f - f) * (1.0f - float(std::abs(dx)) / 3.0f));
  }
}

// The village below the hill, back to front.
void village(RgbPicture& p, const Mood& m) {
  // The snowfield the village stands on.
  for (int x = 0; x < kW; ++x) {
    const float top = 122.0f + 16.0f * std::max(0.0f, float(x - 120) / 200.0f) +
                      1.5f * std::sin(float(x) / 13.0f);
    for (int y = int(top); y < kH; ++y) {
      const float v = (float(y) - top) / 40.0f;
      p.put(x, y,
            float(y) - top < 1.0f ? hex(0x9aa8d0)
                                  : mix(hex(0x7080ae), hex(0x34426e), std::min(1.0f, v)));
    }
  }
  struct H {
    int x0, x1, base, wall, roof;
  };
  const H houses[] = {{44, 70, 128, 5, 6},   {150, 178, 127, 5, 6}, {96, 122, 126, 5, 5},
                      {8, 40, 136, 7, 8},    {74, 112, 137, 7, 8},  {170, 204, 139, 7, 8},
                      {120, 150, 133, 6, 7}, {30, 74, 150, 9, 11},  {118, 166, 152, 9, 11},
                      {196, 236, 153, 9, 10}};
  for (int x : {26, 86, 140, 196, 232}) pine(p, x, 130 + x % 5, 12 + x % 7, 0.7f);
  int n = 0;
  for (const H& h : houses) {
    house(p, h.x0, h.x1, h.base, h.wall, h.roof, m.festival || n % 3 != 1,
          std::min(1.0f, 0.45f + 0.025f * float(h.base - 125)));
    if (!m.festival && n % 3 == 0) smoke(p, float(h.x1 - 4), float(h.base - h.wall - h.roof - 2));
    ++n;
  }
  for (int x : {4, 96, 180, 250, 290}) pine(p, x, 152 + x % 6, 22 + x % 8, 1.0f);
}

// The festival: the lantern's light over the roofs, strings of lanterns across the
// square, the tree alight, and people out on the snow with small lamps.
void festival(RgbPicture& p) {
  for (int y = 100; y < 170; ++y)
    for (int x = 120; x < kW; ++x) {
      const float d = std::hypot(float(x) - kLanternX, float(y) - kLanternY) / 150.0f;
      if (d < 1.0f) p.blend(x, y, hex(0xffb060), 0.18f * (1.0f - d));
    }
  for (int x = 20; x < 250; x += 40) p.glow(float(x) + 20.0f, 158, 24, hex(0xff9a40), 0.18f);
  const int strings[][4] = {
      {10, 139, 62, 141}, {62, 141, 124, 143}, {124, 143, 188, 144}, {188, 144, 240, 143}};
  for (const auto& s : strings)
    for (int k = 0; k <= 48; ++k) {
      const float f = float(k) / 48.0f;
      const float x = float(s[0]) + float(s[2] - s[0]) * f;
      const float y = float(s[1]) + float(s[3] - s[1]) * f + 6.0f * std::sin(f * 3.14159f);
      p.put(int(x), int(y), hex(0x2a1a1a));
      if (k % 6 == 3) {
        const Colour c = k % 12 == 3 ? hex(0xff6a50) : hex(0xffd878);
        p.glow(x, y + 2.0f, 6, c, 0.35f);
        p.rect(int(x), int(y) + 1, int(x) + 1, int(y) + 3, c);
        p.put(int(x), int(y) + 3, mix(c, hex(0x000000), 0.4f));
      }
    }
  // The festival tree at the edge of the square.
  pine(p, 104, 160, 40, 1.0f);
  for (int k = 0; k < 30; ++k) {
    const int i = 4 + int(hash01(k, 0, 508) * 34.0f);
    const int dx = int((hash01(k, 1, 508) - 0.5f) * float(i) * 0.62f);
    const Colour c = k % 3 == 0 ? hex(0xff7060) : hex(0xffe090);
    p.glow(104.0f + float(dx), float(160 - 40 + i), 4, c, 0.45f);
    p.put(104 + dx, 160 - 40 + i, c);
  }
  p.put(104, 119, hex(0xfff8d0));
  p.glow(104, 119, 8, hex(0xffe090), 0.6f);
  // People, small and dark against the lit snow.
  for (int k = 0; k < 18; ++k) {
    const int x = 40 + int(hash01(k, 0, 509) * 200.0f);
    if (std::abs(x - 104) < 6) continue;
    const int base = 158 + int(hash01(k, 1, 509) * 5.0f);
    const int h = 7 + int(hash01(k, 2, 509) * 3.0f) - (k % 5 == 0 ? 3 : 0);  // a few children
    const Colour coat = k % 4 == 0 ? hex(0x6a1c1c) : k % 4 == 1 ? hex(0x1c2a5a) : hex(0x16141e);
    p.rect(x - 1, base - h + 2, x + 1, base, coat);
    p.rect(x, base - h, x, base - h + 1, hex(0x2a1e1c));
    p.put(x + 1, base - h + 1, hex(0xe0b090));
    if (k % 3 == 0) {
      p.put(x + 2, base - h + 4, hex(0xffe0a0));
      p.glow(float(x) + 2.0f, float(base - h + 4), 7, hex(0xffa040), 0.5f);
    }
  }
}

// Big firs at the left and right edges, dark against the sky, framing the view: tiers of
// drooping boughs with snow on their upper edges.
void framingPine(RgbPicture& p, int cx, int base, int h, int width) {
  const int tiers = h / 17;
  for (int t = tiers - 1; t >= 0; --t) {
    const float top = float(base - h) + float(t) * float(h) / float(tiers) * 0.9f;
    const float bottom = float(base - h) + float(t + 1) * float(h) / float(tiers) + 3.0f;
    const float half = float(width) * (0.25f + 0.75f * float(t + 1) / float(tiers));
    for (int x = int(float(cx) - half); x <= int(float(cx) + half); ++x) {
      const float u = std::abs(float(x - cx)) / half;
      const float edge = top + (bottom - top) * std::pow(u, 1.2f);
      const float lower = bottom - 2.0f * u - 2.0f * hash01(x, t, 514);
      for (int y = int(edge); float(y) <= lower; ++y) p.put(x, y, hex(0x060b12));
      const bool lit = x < cx;
      p.put(x, int(edge), lit ? hex(0xc4d0ea) : hex(0x6a7aa6));
      if (hash01(x, t, 515) < 0.6f) p.put(x, int(edge) + 1, lit ? hex(0x8a9ac4) : hex(0x3a4a70));
    }
  }
  p.rect(cx - 1, base - 4, cx + 1, base, hex(0x0a0606));
}

void framingPines(RgbPicture& p) {
  framingPine(p, 8, 178, 156, 36);
  framingPine(p, 318, 174, 124, 30);
}

// The road from the viewer up to the village, between snow banks; the hero on it in the
// opening.
void road(RgbPicture& p, const Mood& m) {
  for (int y = 150; y < kH; ++y) {
    const float f = float(y - 150) / float(kH - 150);
    const float cx = 146.0f - 40.0f * f * f, half = 6.0f + 70.0f * f * f;
    for (int x = 0; x < kW; ++x) {
      const float u = (float(x) - cx) / half;
      const Colour bank = mix(hex(0x5a6a98), hex(0x141a30), std::min(1.0f, f * 1.3f));
      Colour c = bank;
      if (std::abs(u) < 1.0f) {
        c = mix(hex(0x46547e), hex(0x101628), std::min(1.0f, f * 1.2f));
        if (std::abs(std::abs(u) - 0.45f) < 0.06f) c = mix(c, hex(0x05070f), 0.35f);  // tracks
      }
      if (m.festival && y < 175) c = mix(c, hex(0x6a4a48), 0.25f * (1.0f - f * 2.0f));
      p.put(x, y, c);
    }
  }
  // Fence posts along the left of the road.
  for (int k = 0; k < 6; ++k) {
    const float f = 0.15f + float(k) * 0.16f;
    const int y = 150 + int(f * float(kH - 150));
    const int x = int(146.0f - 40.0f * f * f - (6.0f + 70.0f * f * f) - 6.0f);
    const int h = 3 + int(f * 12.0f);
    p.rect(x, y - h, x + int(f * 3.0f), y, hex(0x0c0a12));
    p.rect(x, y - h - 1, x + int(f * 3.0f), y - h, hex(0x8a98c0));
  }
  if (m.festival) return;
  // The traveller, small, walking up toward the gate: blue coat, red scarf, woolly hat.
  const int hx = 150, hy = 160;
  p.rect(hx - 1, hy - 6, hx + 1, hy - 1, hex(0x2a3e8a));
  p.rect(hx - 1, hy - 6, hx + 1, hy - 6, hex(0xd03a30));
  p.put(hx + 2, hy - 5, hex(0xd03a30));
  p.rect(hx - 1, hy - 9, hx + 1, hy - 7, hex(0xe8c0a0));
  p.rect(hx - 1, hy - 10, hx + 1, hy - 9, hex(0x8a2020));
  p.put(hx - 1, hy, hex(0x101018));
  p.put(hx + 1, hy, hex(0x101018));
  p.put(hx - 2, hy - 4, hex(0x6a4a2a));  // the satchel
}

void snowfall(RgbPicture& p, int count, uint32_t seed) {
  for (int k = 0; k < count; ++k) {
    const int x = int(hash01(k, 0, seed) * kW), y = int(hash01(k, 1, seed) * kH);
    const float calm = y > kTextTop ? 0.35f : 1.0f;
    const float a = (0.35f + 0.6f * hash01(k, 2, seed)) * calm;
    p.blend(x, y, hex(0xe8eeff), a);
    if (hash01(k, 3, seed) < 0.18f) {  // near flakes, bigger
      p.blend(x + 1, y, hex(0xe8eeff), a * 0.8f);
      p.blend(x, y + 1, hex(0xe8eeff), a * 0.8f);
      p.blend(x + 1, y + 1, hex(0xe8eeff), a * 0.5f);
    }
  }
}

// The text rows: darker toward the bottom, so the typed lines read clearly.
void calmBottom(RgbPicture& p) {
  for (int y = kTextTop - 12; y < kH; ++y) {
    const float f = std::clamp(float(y - (kTextTop - 12)) / float(kH - kTextTop + 12), 0.0f, 1.0f);
    for (int x = 0; x < kW; ++x) p.put(x, y, mix(p.at(x, y), hex(0x080a16), 0.65f * f));
  }
}

CutScene finish(const RgbPicture& p) {
  CutScene s;
  // 13 and 14 are the text's face and outline; 0 and 255 stay black.
  s.indices = reduceColours(
      p, {{0, hex(0x000000)}, {13, hex(0xf4f6ff)}, {14, hex(0x0a0a18)}, {255, hex(0x000000)}},
      s.palette, true);
  return s;
}

// The sky, the mountains, the lantern hill, the village and the road, in the given mood.
RgbPicture valley(const Mood& m) {
  RgbPicture p(kW, kH, {});
  sky(p, m);
  mountains(p, m);
  lanternHill(p, m);
  village(p, m);
  road(p, m);
  return p;
}

}  // namespace

CutScene drawOpening() {
  RgbPicture p = valley(Mood{false});
  framingPines(p);
  snowfall(p, 900, 510);
  calmBottom(p);
  return finish(p);
}

CutScene drawEnding() {
  RgbPicture p = valley(Mood{true});
  festival(p);
  framingPines(p);
  snowfall(p, 160, 511);
  calmBottom(p);
  return finish(p);
}

}  // namespace scenery
