// outdoors.cpp -- the people met outside the village: woodcutter, bridge keeper,
// herbalist, lantern keeper
#include <cmath>

#include "art/cast.h"
#include "art/colours.h"
#include "art/heads.h"
#include "art/packs.h"
#include "art/person.h"

namespace art {
namespace {

using namespace colours;

// ---- the woodcutter: red checked shirt, green cap, brown beard, an axe ----

// side: the blade's side of the handle, 1 or -1 (a quarter turn either way).
void axe(Canvas& c, Pt grip, float ang, float len, float side_ = 1) {
  const float dx = std::cos(ang), dy = -std::sin(ang);
  const Pt end{grip.x + dx * len, grip.y + dy * len};
  c.shade(c.capsule({grip.x - dx * 2, grip.y - dy * 2}, end, 0.8f), kWood);
  // The blade stands off the handle's end on one side, widening outward.
  const Pt side{-dy * side_, dx * side_};
  const Pt a{end.x - dx * 1.5f, end.y - dy * 1.5f};
  c.shade(c.polygon({{a.x, a.y},
                     {end.x + dx * 1.0f, end.y + dy * 1.0f},
                     {end.x + dx * 2.5f + side.x * 5, end.y + dy * 2.5f + side.y * 5},
                     {a.x - dx * 2.5f + side.x * 5, a.y - dy * 2.5f + side.y * 5}}),
          kSteel);
}

Person woodcutterLook() {
  Person p;
  p.body = adult();
  Body& b = p.body;
  b.coat = kRed, b.sleeve = kRed, b.trousers = {127, 124, 122, 121}, b.boot = kBoot;
  b.shoulderHalf = 6, b.hemHalf = 6.5f, b.hemY = 34, b.hand = kLeather;
  const auto legend = headLegend(kSkin, kHairBrown, kPine, kPine);
  p.heads = lookingWays(makeStamp({"....HAAAA....",  //
                                   "..HAAAAAAAa..",  //
                                   ".HAAAAAAAAAa.",  //
                                   ".aAaAaAaAaAa.",  //
                                   ".bBSSSSSSSSs.",  //
                                   ".bBsSSKSSKS..",  //
                                   ".bBsSSKSSKSS.",  //
                                   ".bBBsSSSSSSS.",  //
                                   ".bBBBBBBBBB..",  //
                                   "..bBBBBBBBb..",  //
                                   "...bBBBBBb...",  //
                                   "....bbbbb...."},
                                  legend),
                        5);
  p.headAt = {-6, -11};
  p.overCoat = [](Canvas& c, const Body&, const Rig& r, const Pose&) {
    checks(c, c.rect(0, 0, c.width(), c.height()), kRed, kDarkRed);
    c.shade(c.rect(int(r.hip.x) - 6, int(r.hip.y) - 1, 13, 2), kDarkWood);  // the belt
    c.put(int(r.hip.x) + 3, int(r.hip.y) - 1, kStone.hi);
  };
  p.behind = [](Canvas& c, const Body&, const Rig& r, const Pose& pose) {
    // On the shoulder: the handle runs from the hand over the shoulder, the blade behind
    // his head.
    if (pose.extra == 0) axe(c, {r.nearHand.x, r.nearHand.y}, 2.3f, 17, -1);
  };
  p.inHand = [](Canvas& c, const Body&, const Rig& r, const Pose& pose) {
    if (pose.extra == 1) axe(c, {r.nearHand.x, r.nearHand.y + 1}, -1.25f, 10);
    c.shade(c.ellipse(r.nearHand.x, r.nearHand.y + 0.5f, 1.6f, 1.6f), kLeather);
  };
  return p;
}

// ---- the bridge keeper: rusty fur coat with pale trim, fur hat, a lantern hook ----

Person keeperLook(bool happy) {
  Person p;
  Body& b = p.body;
  b.w = 36, b.h = 48, b.cx = 18, b.groundY = 46;
  b.hipY = 31, b.shoulderY = 18, b.hemY = 40, b.hemHalf = 9.5f, b.shoulderHalf = 7;
  b.legR = 1.9f, b.armR = 2.0f, b.bootH = 4, b.stepLen = 4, b.hemSway = 0.6f;
  b.coat = {217, 214, 211, 209}, b.sleeve = b.coat, b.trousers = kCharcoal;
  b.boot = kDarkBoot, b.hand = kLeather;
  const auto legend = headLegend(kSkin, kHairBlack, {216, 213, 211, 209}, kFur);
  const std::vector<std::string> face = {"...HHAAAA....",  //
                                         "..HAAAAAAAa..",  //
                                         ".HAAAAAAAAAa.",  //
                                         ".VWWWWWWWWWWw",  //
                                         ".VWWSSSSSSSS.",  //
                                         ".VWWSSKSSSKS.",  //
                                         ".WWwSSKSSSKSS",  //
                                         ".WWwsSSSSSSS.",  //
                                         ".wwwsSCdddCS.",  //
                                         "..ww.sSSSSS..",  //
                                         "......tsss..."};
  p.heads = lookingWays(makeStamp(face, legend), 5);
  if (happy) {  // eyes shut in a smile, an open mouth
    std::vector<std::string> smile = face;
    smile[5] = ".VWWSSSSSSSS.";
    smile[6] = ".WWwSKSKSKSKS";
    smile[9] = "..ww.sSMMSS..";
    p.heads[0] = makeStamp(smile, legend);
  }
  p.headAt = {-6, -11};
  p.overCoat = [](Canvas& c, const Body& b, const Rig& r, const Pose&) {
    // Pale fur at the collar and the hem, toggles down the front.
    const float hem = float(b.hemY + r.bob);
    for (float x = r.hip.x - 9; x <= r.hip.x + 9; x += 3)
      c.shade(c.ellipse(x + std::abs(r.stride) * 0.3f, hem - 0.5f, 2.0f, 1.6f), kFur);
    c.shade(c.ellipse(r.neck.x, r.neck.y + 1, 6.5f, 2.5f), kFur);
    for (int k = 0; k < 3; ++k) c.put(int(r.neck.x) + 5, int(r.neck.y) + 5 + 4 * k, kDarkWood.deep);
  };
  p.inHand = [](Canvas& c, const Body&, const Rig& r, const Pose& pose) {
    if (pose.extra != 0) return;
    // The long pole with an iron hook at its top, held upright.
    const float x = r.nearHand.x + 0.5f;
    c.shade(c.capsule({x, r.nearHand.y + 7}, {x, 4}, 0.9f), kWood);
    c.line({x, 3}, {x + 1, 1}, kIron.base);
    c.line({x + 2, 1}, {x + 3, 2}, kIron.base);
    c.put(int(x) + 3, 3, kIron.shade);
    c.shade(c.ellipse(r.nearHand.x, r.nearHand.y + 0.5f, 2.0f, 2.0f), kLeather);
  };
  return p;
}

// ---- the herbalist: bent, a conical straw hat, white beard, a basket of herbs ----

Person herbalistLook() {
  Person p;
  Body& b = p.body;
  b.w = 32, b.h = 44, b.cx = 17, b.groundY = 42;
  b.hipY = 29, b.shoulderY = 19, b.hemY = 36, b.lean = 3;
  b.shoulderHalf = 5, b.hemHalf = 6.5f, b.stepLen = 3, b.hemSway = 0.5f;
  b.coat = kOlive, b.sleeve = kOlive, b.trousers = kKhaki, b.boot = kDarkWood;
  b.hand = kSkinOld;
  const auto legend = headLegend(kSkinOld, kHairWhite, kStraw, kHairWhite);
  p.heads = lookingWays(makeStamp({".......HA.......",  //
                                   "......HAAa......",  //
                                   ".....HAAAAa.....",  //
                                   "...HHAAAAAAaa...",  //
                                   ".hhaaaaaaaaaaahh",  //
                                   ".....BSSSSSS....",  //
                                   ".....BsSKSSKS...",  //
                                   ".....BsSKSSKSS..",  //
                                   "......sSSSSSS...",  //
                                   "......WWWWWW....",  //
                                   ".......WWWWw....",  //
                                   "........www....."},
                                  legend),
                        6);
  p.headAt = {-8, -9};
  p.behind = [](Canvas& c, const Body&, const Rig& r, const Pose&) {
    // The tall straw basket on his back with leaves showing over its rim.
    const float x0 = r.neck.x - 12, y0 = r.neck.y - 3, x1 = r.neck.x - 3, y1 = r.hip.y + 1;
    for (const Pt leaf : {Pt{x0 + 2, y0 - 1}, Pt{x0 + 5, y0 - 2}, Pt{x0 + 7, y0}})
      c.shade(c.ellipse(leaf.x, leaf.y, 1.6f, 2.2f), kGreen);
    Mask basket = c.polygon({{x0, y0}, {x1, y0 + 1}, {x1 - 1, y1}, {x0 + 1, y1}});
    c.shade(basket, kStraw);
    for (float y = y0 + 2; y < y1; y += 3) c.line({x0 + 1, y}, {x1 - 2, y + 0.5f}, kStraw.shade);
  };
  p.overCoat = [](Canvas& c, const Body&, const Rig& r, const Pose&) {
    c.line({r.neck.x - 3, r.neck.y}, {r.neck.x + 1, r.hip.y - 4}, kDarkWood.base);  // strap
  };
  return p;
}

// ---- the lantern keeper: grandma with a teal shawl, a white bun and a small lamp ----

Person grandmaLook() {
  Person p;
  Body& b = p.body;
  b.w = 32, b.h = 42, b.cx = 16, b.groundY = 40;
  b.hipY = 28, b.shoulderY = 17, b.hemY = 38, b.lean = 1.5f;
  b.shoulderHalf = 4.5f, b.hemHalf = 7.5f, b.stepLen = 3, b.hemSway = 0.6f;
  b.coat = {142, 140, 138, 137}, b.sleeve = b.coat, b.boot = kDarkBoot, b.hand = kSkinOld;
  b.upperArm = 5.5f, b.foreArm = 5.5f;
  const auto legend = headLegend(kSkinOld, kHairWhite, kHairWhite, kHairWhite);
  p.heads = lookingWays(makeStamp({"....GGBBB....",  //
                                   "..GBBBBBBBb..",  //
                                   "GBBBBBBBBBBb.",  //
                                   "BBbBBBSSSSSb.",  //
                                   "bbbBBSSSSSSS.",  //
                                   ".bbBSSKSSKS..",  //
                                   "...bSSKSSKSS.",  //
                                   "...bsSCSSCS..",  //
                                   "....sSSMSS...",  //
                                   ".....tsss...."},
                                  legend),
                        5);
  p.headAt = {-6, -9};
  p.overCoat = [](Canvas& c, const Body&, const Rig& r, const Pose&) {
    // The shawl over her shoulders, its point down her back, fringed.
    Mask shawl = c.polygon({{r.neck.x - 6, r.neck.y},
                            {r.neck.x + 5, r.neck.y},
                            {r.neck.x + 4, r.neck.y + 6},
                            {r.neck.x - 4, r.neck.y + 11},
                            {r.neck.x - 7, r.neck.y + 4}});
    c.shade(shawl, kTeal);
    for (int k = 0; k < 3; ++k)
      c.put(int(r.neck.x) - 5 + k, int(r.neck.y) + 10 + k % 2, kTeal.deep);
  };
  p.inHand = [](Canvas& c, const Body&, const Rig& r, const Pose&) {
    // The small lamp below her hand: a ring, an iron cap, a glowing body.
    const float x = r.nearHand.x, y = r.nearHand.y + 2;
    c.shade(c.rect(int(x) - 2, int(y) + 1, 5, 1), kIron);
    c.shade(c.rect(int(x) - 2, int(y) + 2, 5, 4), kGlow);
    c.put(int(x), int(y) + 3, 91), c.put(int(x), int(y) + 4, 92);
    c.shade(c.rect(int(x) - 2, int(y) + 6, 5, 1), kIron);
    c.put(int(x), int(y), kIron.base);
    c.shade(c.ellipse(r.nearHand.x, r.nearHand.y + 0.5f, 1.5f, 1.5f), kSkinOld);
  };
  return p;
}

}  // namespace

Frames woodcutter() {
  const Person look = woodcutterLook();
  return twelveFrames([&](int f) {
    Pose p = walkPose(f, 0.5f);
    p.nearArm = 0.5f, p.nearBend = 2.0f;  // the hand on the axe's handle at the chest
    if (f == 10) p.extra = 1, p.nearArm = 0.5f, p.nearBend = 0.3f, p.head = 1;
    if (f == 11) p.head = 2;
    return drawPerson(look, p);
  });
}

Frames keeper() {
  const Person look = keeperLook(false), glad = keeperLook(true);
  return twelveFrames([&](int f) {
    Pose p = walkPose(f, 0.4f);
    p.nearArm = 0.5f, p.nearBend = 0.6f;  // the hand on the pole
    if (f == 10)                          // hungry: both hands rub his belly
      p.extra = 1, p.head = 1, p.nearArm = 0.4f, p.nearBend = 1.5f, p.farArm = 0.5f,
      p.farBend = 1.4f;
    if (f == 11)  // happy: arms up
      p.extra = 1, p.nearArm = 1.6f, p.nearBend = 1.2f, p.farArm = 2.4f, p.farBend = 0.5f;
    return drawPerson(f == 11 ? glad : look, p);
  });
}

Frames herbalist() {
  const Person look = herbalistLook();
  return twelveFrames([&](int f) {
    Pose p = walkPose(f, 0.3f);
    if (f == 10) p.head = 1, p.lean = 2, p.nearArm = 0.6f, p.nearBend = 0.3f;  // looks down
    if (f == 11) p.head = 2, p.lean = -1;
    return drawPerson(look, p);
  });
}

Frames grandma() {
  const Person look = grandmaLook();
  return twelveFrames([&](int f) {
    Pose p = walkPose(f, 0.25f);
    p.nearArm = 0.9f, p.nearBend = -0.7f;            // the lamp held out ahead
    if (f == 10) p.head = 1, p.lean = 4, p.bob = 1;  // a bow
    if (f == 11) p.head = 2;
    return drawPerson(look, p);
  });
}

}  // namespace art
