// beast.cpp -- four-legged walking
#include "art/beast.h"

namespace art {

Gait4 gait4(int frame) {
  Gait4 g;
  switch (frame) {
    case 6:
      g.a = 0.7f, g.b = -0.7f, g.liftA = 2;
      break;
    case 7:
      g.a = 1.0f, g.b = -1.0f, g.bob = 1;
      break;
    case 8:
      g.b = 0.7f, g.a = -0.7f, g.liftB = 2;
      break;
    case 9:
      g.b = 1.0f, g.a = -1.0f, g.bob = 1;
      break;
    default:
      break;
  }
  return g;
}

namespace {

void leg(Canvas& c, const Legs& l, Pt joint, float swing, int lift, const Ramp& colour, bool fore) {
  const Pt foot{joint.x + swing * l.step, float(l.ground - lift) + 0.5f};
  // A raised leg folds: the foreleg's lower half tucks back, the hind leg's forward.
  const float fold = float(lift) * (fore ? -0.6f : 0.6f);
  const Pt knee{(joint.x + foot.x) / 2 - fold, (joint.y + foot.y) / 2};
  Mask m = c.capsule(joint, knee, l.r);
  m |= c.capsule(knee, {foot.x, foot.y - 0.5f}, l.r * 0.85f);
  c.shade(m, colour);
  if (l.paw)
    c.put(int(foot.x), int(foot.y - 0.5f), l.paw),
        c.put(int(foot.x) + 1, int(foot.y - 0.5f), l.paw);
}

}  // namespace

void drawLegs(Canvas& c, const Legs& l, const Gait4& g, bool far) {
  const Ramp colour = far ? farSide(l.colour) : l.colour;
  const float shift = far ? l.farShift : 0.0f;
  const Pt fore{l.fore.x + shift, l.fore.y + float(g.bob)};
  const Pt hind{l.hind.x + shift, l.hind.y + float(g.bob)};
  if (far) {  // far foreleg in pair B, far hind leg in pair A
    leg(c, l, fore, g.b, g.liftB, colour, true);
    leg(c, l, hind, g.a, g.liftA, colour, false);
  } else {
    leg(c, l, fore, g.a, g.liftA, colour, true);
    leg(c, l, hind, g.b, g.liftB, colour, false);
  }
}

}  // namespace art
