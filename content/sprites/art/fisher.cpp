// fisher.cpp -- the ice fisher, who sits on a stool with his rod over the hole: his own
// seated drawing rather than the walking skeleton
#include <cmath>

#include "art/cast.h"
#include "art/colours.h"
#include "art/heads.h"
#include "art/packs.h"

namespace art {
namespace {

using namespace colours;

constexpr int kW = 40, kH = 40, kGround = 38;

struct Cast {
  Pt tip;       // the rod's tip
  Pt hand;      // where both hands hold it
  bool fish;    // a fish on the line
  int lineEnd;  // the lowest row of the line
};

Stamp fisherHead() {
  const auto legend = headLegend(kSkin, kHairBrown, kBlueCoat, kWhiteCloth);
  return makeStamp({"....HAAAA....",  //
                    "..HAAAAAAAa..",  //
                    ".HAAAAAAAAAa.",  //
                    ".VWWWWWWWWWw.",  //
                    ".AAabSSSSSSS.",  //
                    ".AAaBSSKSSK..",  //
                    ".AAasSSKSSKS.",  //
                    ".haasSSSSSSS.",  //
                    "..hh.sCbbbC..",  //
                    ".....tssss..."},
                   legend);
}

// Facing right: the stool, the seated man, the rod; then the line, which has no outline.
Canvas seated(const Cast& cast) {
  Canvas c(kW, kH);
  // The stool.
  c.shade(c.rect(6, 28, 10, 2), kWood);
  c.shade(c.capsule({8, 30}, {7, float(kGround) + 0.5f}, 0.7f), kDarkWood);
  c.shade(c.capsule({14, 30}, {15, float(kGround) + 0.5f}, 0.7f), kDarkWood);
  // Legs: thighs forward along the seat, shins down to the boots.
  const Ramp trousers{157, 155, 153, 152};
  for (int far = 1; far >= 0; --far) {
    const float dx = far ? -1.5f : 0.0f;
    const Ramp t = far ? farSide(trousers) : trousers;
    const Ramp boot = far ? farSide(kDarkBoot) : kDarkBoot;
    Mask leg = c.capsule({12 + dx, 27}, {20 + dx, 26}, 1.9f);
    leg |= c.capsule({20 + dx, 26}, {21 + dx, 35}, 1.7f);
    c.shade(leg, t);
    c.shade(c.rect(int(19 + dx), 35, 6, 3), boot);
  }
  // The far arm, the parka, the near arm.
  const Ramp parka = kMustard;
  c.shade(c.capsule({13, 19}, {cast.hand.x - 1, cast.hand.y}, 1.6f), farSide(parka));
  c.shade(c.polygon({{8, 29}, {16, 29}, {18, 20}, {16, 16}, {10, 16}, {7, 21}}), parka);
  c.shade(c.ellipse(13, 17, 5, 2), kFur);  // the hood's fur round the neck
  stamp(c, fisherHead(), 8, 6);
  // The rod's butt under his arm, then the hand over it.
  const float ang = std::atan2(cast.tip.y - cast.hand.y, cast.tip.x - cast.hand.x);
  const Pt butt{cast.hand.x - 5 * std::cos(ang), cast.hand.y - 5 * std::sin(ang)};
  c.shade(c.capsule(butt, cast.hand, 0.9f), kDarkWood);
  c.shadeRimmed(c.capsule({15, 19}, cast.hand, 1.6f), parka);
  c.shade(c.ellipse(cast.hand.x + 0.5f, cast.hand.y + 0.5f, 1.7f, 1.7f), kRed);  // mittens
  c.outline();
  // The thin rod and the line are a pixel wide, with no outline, so they stay fine.
  c.line(cast.hand, cast.tip, kDarkWood.deep);
  for (int y = int(cast.tip.y) + 1; y <= cast.lineEnd; ++y)
    c.put(int(cast.tip.x), y, kGreyCloth.hi);
  if (cast.fish) {
    const float x = cast.tip.x, y = float(cast.lineEnd) + 4;
    Canvas fish(kW, kH);
    fish.shade(fish.ellipse(x + 0.5f, y, 1.8f, 3.5f), {183, 180, 176, 172});
    fish.shade(fish.polygon({{x - 1.5f, y + 5}, {x + 2.5f, y + 5}, {x + 0.5f, y + 3}}),
               {180, 176, 172, 170});
    fish.put(int(x), int(y) - 2, kInk);
    fish.outline();
    c.paste(fish, 0, 0);
  } else {
    c.put(int(cast.tip.x), cast.lineEnd, kRed.base);  // the float at the water
  }
  return c;
}

}  // namespace

Frames fisher() {
  // The rod reaches to the frame's front edge; the line drops to the hole below its tip.
  const Cast still{{38, 12}, {20, 23}, false, kGround};
  const Cast bob{{38, 15}, {20, 24}, false, kGround};
  const Cast catchIt{{33, 3}, {19, 20}, true, 10};
  return twelveFrames([&](int f) {
    if (f == 10) return seated(bob);
    if (f == 11) return seated(catchIt);
    return seated(still);
  });
}

}  // namespace art
