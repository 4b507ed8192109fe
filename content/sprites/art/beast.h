// beast.h -- four-legged animals drawn facing right: legs that walk in diagonal pairs
#pragma once

#include "art/canvas.h"

namespace art {

// One frame of a four-legged walk. Pair A is the near foreleg with the far hind leg, pair
// B the far foreleg with the near hind leg; each swings from -1 (back) to 1 (ahead).
struct Gait4 {
  float a = 0, b = 0;
  int liftA = 0, liftB = 0;
  int bob = 0;
};

// 5 stands; 6 pair A reaches, 7 it lands; 8 pair B reaches, 9 it lands.
Gait4 gait4(int frame);

struct Legs {
  Pt fore, hind;           // the joints at the body, near side
  float farShift = -1.5f;  // the far legs' joints lie this far behind the near ones
  int ground;              // the soles' row
  float r = 1.0f;          // half the thickness
  float step = 2;          // the foot's swing at full stride
  Ramp colour;
  uint8_t paw = 0;  // a foot of its own colour, or 0 for none
};

// far: the two far legs (darker) or the two near ones.
void drawLegs(Canvas& c, const Legs& legs, const Gait4& g, bool far);

}  // namespace art
