// bridge.cpp -- the drawbridge over map 37's chasm, raised and lowered
//
// The frames are drawn in the map picture's own coordinates: the frame lies over the
// picture from column kLeft and row kTop, so the actor stands at x = kLeft with its bottom
// row on picture row kBottom (baseY = kBottom + 129). The raised bridge stands where the
// picture's gantry expects it, at the chasm's left lip; lowered, its deck lies across the
// chasm with its top on the ground line (row 160), where the hero's feet (row 159) rest.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "art/packs.h"

namespace art {
namespace {

constexpr int kLeft = 1066, kRight = 1279;  // from the gantry's right post to the map's edge
constexpr int kTop = 50, kBottom = 169;     // from the gantry's beam to the deck's underside
constexpr int kGround = 160;                // the lane's top row
constexpr int kLip = 1080;                  // where the chasm begins
// The chain hangs from under the gantry beam's right end.
constexpr float kAnchorX = 1067.5f, kAnchorY = 51.5f;

// The picture's ramps, so the bridge matches the gantry beside it.
constexpr uint8_t kWood0 = 64;  // 64..79, dark to light
constexpr uint8_t kGrey0 = 1;   // 1..15
constexpr uint8_t kSnow0 = 19;  // 19 brightest, 21 in shade (16..18 belong to the flakes)

uint8_t wood(int step) { return uint8_t(kWood0 + std::clamp(step, 0, 15)); }
uint8_t grey(int step) { return uint8_t(kGrey0 + std::clamp(step, 0, 14)); }

float hash01(int a, int b, uint32_t seed) {
  uint32_t h = uint32_t(a) * 374761393u + uint32_t(b) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return float((h ^ (h >> 16)) & 0xffff) / 65535.0f;
}

// A tone of wood between dark (0) and light (1), dithered in a 2 x 2 pattern.
uint8_t woodTone(float t, int x, int y) {
  static constexpr float kDither[2][2] = {{0.0f, 0.5f}, {0.75f, 0.25f}};
  return wood(int(std::floor(t * 15.0f + kDither[y & 1][x & 1])));
}

// Drawing in the picture's coordinates.
struct Sheet {
  Canvas c{kRight - kLeft + 1, kBottom - kTop + 1};
  void put(int x, int y, uint8_t v) { c.put(x - kLeft, y - kTop, v); }
  void hline(int x0, int x1, int y, uint8_t v) {
    for (int x = x0; x <= x1; ++x) put(x, y, v);
  }
};

// A chain from the gantry's beam to (x, y), sagging by sag rows at its middle: grey links
// with a bright glint every third.
void chain(Sheet& s, float x, float y, float sag) {
  const int steps = int(std::hypot(x - kAnchorX, y - kAnchorY) * 1.5f);
  for (int k = 0; k <= steps; ++k) {
    const float f = float(k) / float(steps);
    const float px = kAnchorX + (x - kAnchorX) * f;
    const float py = kAnchorY + (y - kAnchorY) * f + sag * std::sin(f * 3.14159f);
    s.put(int(px), int(py), grey(int(px + py) % 3 ? 8 : 4));
  }
}

// The iron hinge bolted to the lip's rock face: it stays where it is whether the bridge is
// up or down, and is what stands on the frame's bottom row.
void hinge(Sheet& s) {
  for (int y = kGround - 2; y <= kBottom; ++y)
    for (int x = kLip - 3; x <= kLip; ++x) s.put(x, y, grey(x == kLip - 3 ? 8 : x == kLip ? 2 : 5));
  for (int y : {kGround + 3, kBottom - 2}) s.put(kLip - 2, y, grey(11));  // the bolts
}

// Raised: the deck stands on end on the hinge, its planks braced with two cross beams and
// a diagonal, snow on its top and on the beams; the chain runs from its top to the gantry.
void raised(Sheet& s) {
  const int x0 = kLip - 2, x1 = kLip + 17, top = 54, foot = kGround - 1;
  for (int y = top; y <= foot; ++y)
    for (int x = x0; x <= x1; ++x) {
      uint8_t v;
      if (x == x0 || x == x1)
        v = wood(x == x0 ? 8 : 1);
      else if ((x - x0) % 4 == 0)
        v = wood(2);  // the seams between the planks
      else
        v = woodTone(0.45f - 0.2f * float(x - x0) / 19.0f +
                         0.12f * (hash01((x - x0) / 4, y / 9, 380) - 0.5f),
                     x, y);
      s.put(x, y, v);
    }
  for (int band : {top + 6, foot - 9}) {
    for (int y = band; y <= band + 2; ++y) s.hline(x0, x1, y, wood(y % 3 == 0 ? 9 : 4));
    s.hline(x0, x1, band - 1, kSnow0 + 2);
  }
  for (int k = 0; k < 3; ++k) {  // the diagonal brace, from the foot's left to the top's right
    const int ya = foot - 10 + k, yb = top + 9 + k;
    for (int x = x0 + 1; x <= x1 - 1; ++x) {
      const float f = float(x - x0 - 1) / float(x1 - x0 - 2);
      s.put(x, int(std::lround(float(ya) + float(yb - ya) * f)), wood(k == 0 ? 9 : 4));
    }
  }
  s.hline(x0 - 1, x1 + 1, top - 1, kSnow0);
  s.hline(x0, x1, top - 2, kSnow0 + 1);
  // The foot's iron shoe on the hinge.
  for (int y = foot - 4; y <= foot; ++y)
    for (int x = x0 - 1; x <= x0 + 2; ++x) s.put(x, y, grey(x % 2 ? 4 : 7));
  chain(s, float(x1 - 1), float(top + 1), 3.0f);
}

// Lowered: the deck lies across the chasm. Its top is the ground line, dusted with snow;
// under it the side beam with its bolts, the planks' ends above it and the shadowed
// underside below; low posts with a rail along the far edge; the chain runs from the deck's
// end up to the gantry.
void lowered(Sheet& s) {
  const int x0 = kLip - 3, x1 = kRight;
  for (int x = x0; x <= x1; ++x) {
    // Snow on the planks: bright on top, in a thin broken second row.
    s.put(x, kGround, kSnow0 + (hash01(x, 0, 390) < 0.2f ? 1 : 0));
    s.put(x, kGround + 1, hash01(x, 1, 391) < 0.55f ? uint8_t(kSnow0 + 2) : wood(8));
    s.put(x, kGround + 2, wood((x - x0) % 4 == 0 ? 3 : 7));  // the planks' ends
    s.put(x, kGround + 3, wood(10));                         // the beam's lit edge
    for (int y = kGround + 4; y <= kGround + 6; ++y)
      s.put(x, y, woodTone(0.42f + 0.16f * (hash01(x / 11, y, 392) - 0.5f), x, y));
    s.put(x, kGround + 7, wood(3));
    s.put(x, kBottom - 1, wood(1));  // the underside in the chasm's shadow
    s.put(x, kBottom, wood(0));
  }
  for (int x = x0 + 12; x < x1; x += 24) {  // the bolts through the side beam
    s.put(x, kGround + 4, grey(12));
    s.put(x, kGround + 5, grey(5));
  }
  // The rail: posts every 28 columns, a rail on them, snow along its top.
  constexpr int kRail = kGround - 11;
  for (int x = kLip + 8; x < x1; x += 28)
    for (int y = kRail; y < kGround; ++y) {
      s.put(x, y, wood(8));
      s.put(x + 1, y, wood(4));
    }
  s.hline(kLip + 6, x1, kRail, wood(9));
  s.hline(kLip + 6, x1, kRail + 1, wood(4));
  for (int x = kLip + 6; x <= x1; ++x)
    if (hash01(x, 2, 393) < 0.7f) s.put(x, kRail - 1, kSnow0 + (x % 5 == 0));
  chain(s, float(x1 - 5), float(kRail + 1), 6.0f);
}

Canvas bridgeFrame(bool down) {
  Sheet s;
  hinge(s);
  if (down)
    lowered(s);
  else
    raised(s);
  return s.c;
}

}  // namespace

// An actor that stands shows frame 0 facing left and frame 5 facing right: facing left the
// bridge is up, facing right it is down. The walking and pose frames repeat the two.
Frames bridge() {
  Frames f;
  for (int i = 0; i < 12; ++i) f.push_back(bridgeFrame((i >= 5 && i <= 9) || i == 11));
  return f;
}

}  // namespace art
