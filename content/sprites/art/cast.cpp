// cast.cpp -- builds, looks and patterns shared by the people packs
#include "art/cast.h"

#include "art/colours.h"

namespace art {

using namespace colours;

Body adult() {
  Body b;
  b.w = 32, b.h = 48, b.cx = 16, b.groundY = 46;
  b.hipY = 31, b.shoulderY = 18, b.hemY = 35;
  b.boot = kBoot, b.hand = kSkin, b.trousers = kTrousers;
  return b;
}

Body child() {
  Body b;
  b.w = 28, b.h = 36, b.cx = 14, b.groundY = 34;
  b.hipY = 24, b.shoulderY = 14, b.hemY = 27;
  b.legR = 1.5f, b.armR = 1.4f, b.upperArm = 4.5f, b.foreArm = 4.5f, b.stepLen = 4;
  b.shoulderHalf = 4.5f, b.hemHalf = 5.5f, b.bootH = 3, b.bootToe = 1;
  b.boot = kBoot, b.hand = kSkin, b.trousers = kTrousers;
  return b;
}

namespace {

Stamp withEyes(Stamp s, int look, int eyeRow) {
  auto& rows = s.rows;
  if (eyeRow < 1 || eyeRow + 1 >= int(rows.size())) return s;
  std::string& top = rows[size_t(eyeRow)];
  std::string& low = rows[size_t(eyeRow + 1)];
  std::string& above = rows[size_t(eyeRow - 1)];
  for (size_t i = 0; i < top.size() && i < low.size(); ++i) {
    if (top[i] != 'K') continue;
    if (look == 1) {  // a closed, downcast eye: a short line on the lower row
      top[i] = 'S';
      low[i] = 'K';
      if (i + 1 < low.size() && low[i + 1] == 'S') low[i + 1] = 'K';
    } else if (i < above.size()) {
      above[i] = 'K';
      low[i] = 'S';
    }
  }
  return s;
}

}  // namespace

std::vector<Stamp> lookingWays(const Stamp& s, int eyeRow) {
  return {s, withEyes(s, 1, eyeRow), withEyes(s, 2, eyeRow)};
}

void checks(Canvas& c, const Mask& m, const Ramp& cloth, const Ramp& lines) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      if (!m.at(x, y) || (x % 3 != 0 && y % 3 != 0)) continue;
      const uint8_t v = c.at(x, y);
      if (v == cloth.hi) c.put(x, y, lines.hi);
      if (v == cloth.base) c.put(x, y, lines.base);
      if (v == cloth.shade) c.put(x, y, lines.shade);
    }
}

}  // namespace art
