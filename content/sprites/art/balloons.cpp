// balloons.cpp -- the text balloon's cursor and the icon balloons
#include <algorithm>
#include <cmath>

#include "art/colours.h"
#include "art/heads.h"
#include "art/packs.h"

namespace art {
namespace {

using namespace colours;

// ---- the cursor: a small white triangle pointing down, in the text's white and ink ----

constexpr uint8_t kTextWhite = 192, kTextInk = 200;

Canvas cursorFrame(int drop) {
  Canvas c(10, 8);
  for (int row = 0; row < 5; ++row)
    for (int x = row + 1; x <= 8 - row; ++x) c.put(x, row + drop, kTextWhite);
  c.outline(kTextInk);
  // The top edge's ends and the point as ink, so the shape is closed.
  c.put(0, drop, kTextInk), c.put(9, drop, kTextInk);
  return c;
}

// ---- the icon balloons: a white balloon with its tail at the lower left ----

constexpr int kBW = 22, kBH = 20;
constexpr float kTipX = 1.5f, kTipY = 19.0f;  // the tail's point, where the balloon grows from

// The full-sized balloon, in continuous coordinates: a rounded box and the tail.
bool inBalloon(float x, float y) {
  const float x0 = 1.5f, x1 = 20.5f, y0 = 1.5f, y1 = 15.0f, r = 4.5f;
  const float cx = std::clamp(x, x0 + r, x1 - r), cy = std::clamp(y, y0 + r, y1 - r);
  if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) return true;
  // The tail: a triangle from the box's bottom edge down to the point.
  const float t = (y - 13.0f) / (kTipY - 13.0f);
  if (t < 0 || t > 1) return false;
  const float left = 4.0f + (kTipX - 4.0f) * t, right = 9.0f + (kTipX + 0.5f - 9.0f) * t;
  return x >= left && x <= right;
}

Mask balloonMask(const Canvas& c, float scale) {
  Mask m(c.width(), c.height());
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      const float qx = kTipX + (float(x) + 0.5f - kTipX) / scale;
      const float qy = kTipY + (float(y) + 0.5f - kTipY) / scale;
      if (inBalloon(qx, qy)) m.set(x, y);
    }
  return m;
}

const std::map<char, uint8_t> kIconLegend = {
    {'R', kRed.base}, {'r', kRed.deep}, {'P', kRed.hi},        {'B', 124}, {'b', 122}, {'K', 3},
    {'C', 131},       {'c', 127},       {'W', kWhiteCloth.hi}, {'Y', 94},  {'y', 99},  {'G', 9},
    {'g', 6},         {'O', 101}};

const std::vector<std::vector<std::string>> kIcons = {
    // 0 surprise
    {"....RR....", "...RRRr...", "...RRRr...", "...RRRr...", "....RRr...", "....Rr....",
     "..........", "....RR....", "....rr...."},
    // 1 question
    {"...BBBB...", "..BBbbBB..", "..bb..BB..", ".....BBb..", "....BBb...", "....BB....",
     "..........", "....BB....", "....bb...."},
    // 2 heart
    {"..RR..RR..", ".RPRRRRRR.", ".RPRRRRRr.", ".RRRRRRRr.", "..RRRRRr..", "...RRRr...",
     "....Rr...."},
    // 3 silence
    {"..........", "..........", "KK..KK..KK", "KK..KK..KK"},
    // 4 music
    {"...BBBBBB.", "...BBbbbB.", "...B....B.", "...B....B.", "...B....B.", ".BBB..BBB.",
     "BBBB.BBBB.", ".bb...bb.."},
    // 5 sweat
    {"....C.....", "....CC....", "...CCC....", "...CWCC...", "..CWCCCc..", "..CCCCCc..",
     "..cCCCcc..", "...cccc..."},
    // 6 anger
    {"..RR..RR..", ".RRr..rRR.", ".Rr....rR.", "..........", ".Rr....rR.", ".RRr..rRR.",
     "..RR..RR.."},
    // 7 idea
    {"...YYYY...", "..YWYYYY..", ".YWYYYYyY.", ".YYYYYYyY.", "..YYYYyY..", "...YYyO...",
     "...GGGG...", "...gggg...", "....gg...."},
};

Canvas balloon(int kind, int step) {
  Canvas c(kBW, kBH);
  const float scales[] = {0.25f, 0.45f, 0.65f, 0.85f, 1.0f, 1.0f};
  c.shade(balloonMask(c, scales[step]), {15, 15, 13, 12});
  if (step == 5) {
    const Stamp icon = makeStamp(kIcons[size_t(kind)], kIconLegend);
    stamp(c, icon, 11 - icon.width() / 2, 8 - icon.height() / 2);
  }
  c.outline();
  return c;
}

}  // namespace

Frames cursor() { return {cursorFrame(0), cursorFrame(1), cursorFrame(2)}; }

Frames bubble() {
  Frames f;
  for (int kind = 0; kind < 8; ++kind)
    for (int step = 0; step < 6; ++step) f.push_back(balloon(kind, step));
  return f;
}

}  // namespace art
