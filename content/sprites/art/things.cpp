// things.cpp -- the snowman and the great lantern, lit and dark
#include <cmath>

#include "art/colours.h"
#include "art/packs.h"
#include "art/person.h"

namespace art {
namespace {

using namespace colours;

// ---- the snowman: three balls, a tin bucket for a hat, a carrot nose, stick arms ----

void bucket(Canvas& c, float x, float y, bool onSide) {
  if (onSide) {  // knocked off: lying on the snow, its mouth to the right
    c.shade(c.polygon({{x, y - 5}, {x + 6, y - 6}, {x + 6, y + 1}, {x, y}}), kSteel);
    c.line({x + 6, y - 6}, {x + 6, y}, kSteel.deep);
    return;
  }
  c.shade(c.polygon({{x - 4, y}, {x + 4, y}, {x + 3, y - 5}, {x - 3, y - 5}}), kSteel);
  c.line({x - 4, y - 1}, {x + 3, y - 1}, kSteel.shade);  // the rim's shadow
  c.put(int(x) + 2, int(y) - 6, kIron.base);             // the handle's stub
}

Canvas snowmanFrame(int frame) {
  Canvas c(30, 36);
  const bool hatOff = frame == 10;
  const float tilt = frame == 11 ? 1.5f : 0.0f;  // wobbling: the upper balls lean
  const float cx = 14;
  // The stick arms go behind the middle ball.
  const float my = 18, hy = 9;
  for (const auto& [from, to, twig] :
       {std::tuple{Pt{cx - 4 + tilt, my}, Pt{cx - 11 + tilt, my - 5}, Pt{cx - 10 + tilt, my - 7}},
        std::tuple{Pt{cx + 4 + tilt, my}, Pt{cx + 11 + tilt, my - 4},
                   Pt{cx + 12 + tilt, my - 6}}}) {
    c.line(from, to, kDarkWood.base);
    c.line({(from.x + to.x) / 2 + (to.x - from.x) * 0.3f, (from.y + to.y) / 2 - 1}, twig,
           kDarkWood.base);
  }
  c.shade(c.ellipse(cx, 27.2f, 8.5f, 7.6f), kSnowBody);
  c.shade(c.ellipse(cx + tilt, my, 6.2f, 5.5f), kSnowBody);
  c.shade(c.ellipse(cx + tilt * 2, hy, 5.0f, 4.6f), kSnowBody);
  const float hx = cx + tilt * 2;
  // Coal eyes and mouth, looking right; the carrot.
  c.put(int(hx) + 1, int(hy) - 1, kInk), c.put(int(hx) + 3, int(hy) - 1, kInk);
  for (int k = 0; k < 3; ++k) c.put(int(hx) + k, int(hy) + 2 + (k == 1), 3);
  c.shade(c.polygon({{hx + 2, hy}, {hx + 2, hy + 2}, {hx + 8, hy + 1.2f}}), kEmber);
  for (int k = 0; k < 3; ++k) c.put(int(cx + tilt) + 1, int(my) - 2 + 3 * k, 3);  // buttons
  if (hatOff)
    bucket(c, 21, 33, true);
  else
    bucket(c, hx, hy - 3, false);
  c.outline();
  return c;
}

// ---- the great lantern: a tall post under a roof, a round paper lantern with ribs ----

constexpr int kLampW = 40, kLampH = 90;

// glow: 0 dark, 1 lit, 2 flaring, 3 dimming.
Canvas lamp(int glow) {
  Canvas c(kLampW, kLampH);
  const float cx = 20;
  // The stone foot, the post with iron bands, the bracket under the lantern.
  c.shade(c.rect(13, 81, 14, 8), kStone);
  c.shade(c.rect(15, 78, 10, 3), kStone);
  c.shade(c.rect(18, 42, 4, 36), kDarkWood);
  for (int y : {50, 63, 73}) c.shade(c.rect(17, y, 6, 2), kIron);
  c.shade(c.rect(12, 42, 16, 2), kDarkWood);
  // The lantern: a round paper body between two caps, then a roof with upturned eaves.
  const Ramp paper = glow == 0   ? Ramp{84, 82, 81, 80}
                     : glow == 2 ? Ramp{91, 92, 94, 97}
                     : glow == 3 ? Ramp{94, 96, 99, 101}
                                 : Ramp{92, 93, 96, 99};
  const float cy = 27;
  const Mask body = c.ellipse(cx, cy, 13.0f, 12.5f);
  c.shade(body, paper);
  if (glow != 0) {  // the bright heart of the light
    const float r = glow == 2 ? 7.0f : glow == 3 ? 4.5f : 5.5f;
    Mask core = c.ellipse(cx - 1, cy - 1, r, r + 1);
    core &= body;
    c.fill(core, 91);
  }
  const uint8_t rib = glow == 0 ? 80 : 101;
  for (int y : {20, 27, 34}) {
    for (int x = 0; x < kLampW; ++x)
      if (body.at(x, y) && body.at(x - 1, y) && body.at(x + 1, y)) c.put(x, y, rib);
  }
  c.shade(c.rect(12, 13, 16, 3), kDarkWood);  // top cap
  c.shade(c.rect(12, 38, 16, 3), kDarkWood);  // bottom cap
  c.shade(c.polygon({{3, 13}, {37, 13}, {32, 9}, {25, 5}, {15, 5}, {8, 9}}), kDarkRed);
  c.put(2, 12, kDarkRed.base), c.put(37, 12, kDarkRed.base);
  c.shade(c.rect(19, 2, 2, 3), kIron);  // the finial
  // The tassel under the lantern, beside the post.
  c.shade(c.rect(25, 42, 2, 6), kRed);
  c.outline();
  if (glow != 0) {  // a scatter of light round the lantern, on the clear only
    const int reach = glow == 2 ? 19 : glow == 3 ? 16 : 18;
    for (int y = 0; y < 56; ++y)
      for (int x = 0; x < kLampW; ++x) {
        const float d = std::hypot(float(x) + 0.5f - cx, float(y) + 0.5f - 27);
        if (c.opaque(x, y) || d > float(reach)) continue;
        if (d < float(reach) - 2.5f && (x + y) % 2 == 0)
          c.put(x, y, 93);
        else if ((x + 2 * y) % 4 == 0)
          c.put(x, y, 95);
      }
  }
  return c;
}

}  // namespace

Frames snowman() { return twelveFrames(snowmanFrame); }

Frames lampOn() {
  Frames f(12, lamp(1));
  f[10] = lamp(2);
  f[11] = lamp(3);
  // A faint flicker in the walking frames too, in case a map steps through them.
  f[2] = f[7] = lamp(2);
  f[4] = f[9] = lamp(3);
  return f;
}

Frames lampOff() { return Frames(12, lamp(0)); }

}  // namespace art
