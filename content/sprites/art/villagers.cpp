// villagers.cpp -- the people of the village: postman, chief, baker, smith
#include <cmath>

#include "art/cast.h"
#include "art/colours.h"
#include "art/heads.h"
#include "art/packs.h"
#include "art/person.h"

namespace art {
namespace {

using namespace colours;

// ---- the postman: navy uniform and cap, a moustache, the mail bag ----

Person postmanLook() {
  Person p;
  p.body = adult();
  Body& b = p.body;
  b.coat = kNavy, b.sleeve = kNavy, b.trousers = {124, 122, 121, 120};
  b.hemY = 36, b.hemHalf = 6.5f, b.boot = kDarkBoot;
  auto legend = headLegend(kSkin, kHairBrown, kNavy, kRed);
  legend['Y'] = kGlow.shade;
  p.heads = lookingWays(makeStamp({"....HAAAA....",  //
                                   "..HAAAAAAAa..",  //
                                   "..AAAAAAYAa..",  //
                                   "..WWWWWWWWw..",  //
                                   "..hhhhhhhhhhh",  //
                                   "..bBSSSSSSS..",  //
                                   "..bBSSSKSSK..",  //
                                   "..bBsSSKSSKS.",  //
                                   "..bbsSSSSSSS.",  //
                                   "...bsSCddddC.",  //
                                   "....sSSSSSS..",  //
                                   ".....tssss..."},
                                  legend),
                        6);
  p.headAt = {-7, -12};
  p.overCoat = [](Canvas& c, const Body&, const Rig& r, const Pose&) {
    // Brass buttons down the front, the strap and the big bag on the near hip.
    for (int k = 0; k < 3; ++k) c.put(int(r.neck.x) + 3, int(r.neck.y) + 4 + 4 * k, kGlow.shade);
    c.line({r.neck.x - 3, r.neck.y + 1}, {r.hip.x + 4, r.hip.y - 3}, kLeather.deep);
    const int bx = int(r.hip.x) - 8, by = int(r.hip.y) - 4;
    c.shade(c.rect(bx, by, 8, 7), kLeather);
    c.shade(c.rect(bx, by, 8, 3), {kLeather.hi, kLeather.shade, kLeather.deep, kLeather.deep});
    c.put(bx + 4, by + 3, kGlow.shade);
    // A letter peeks out.
    c.put(bx + 2, by - 1, kWhiteCloth.base), c.put(bx + 3, by - 1, kWhiteCloth.shade);
  };
  p.inHand = [](Canvas& c, const Body&, const Rig& r, const Pose& pose) {
    if (pose.extra != 1) return;
    const int x = int(r.nearHand.x), y = int(r.nearHand.y) - 5;
    c.shade(c.rect(x - 1, y, 6, 4), kWhiteCloth);
    c.put(x + 2, y + 1, kRed.base);  // the stamp
  };
  return p;
}

// ---- the chief: a tall black hat, a long white beard, a long brown coat, a stick ----

Person chiefLook() {
  Person p;
  p.body = adult();
  Body& b = p.body;
  b.coat = kBrownCoat, b.sleeve = kBrownCoat, b.trousers = kWhiteCloth, b.hand = kSkinOld;
  b.hemY = 43, b.hemHalf = 8, b.shoulderHalf = 5.5f, b.hemSway = 0.5f, b.lean = 1;
  b.shoulderY = 19, b.stepLen = 3.5f, b.boot = kCharcoal;
  auto legend = headLegend(kSkinOld, kHairWhite, kHairBlack, kHairWhite);
  legend['P'] = kWood.deep;
  p.heads = lookingWays(makeStamp({"......hAAh......",  //
                                   "......hAAh......",  //
                                   "......hAAh......",  //
                                   "..aaaaaaaaaaaaa.",  //
                                   ".....GBSSSSSS...",  //
                                   ".....BSSBBBSB...",  //
                                   ".....BSSSKSSK...",  //
                                   ".....BsSSKSSKS..",  //
                                   "......sSSSSSSSS.",  //
                                   "......sWWWWWWS..",  //
                                   "......VWWWWWWW..",  //
                                   "......WWWWWWWw..",  //
                                   ".......WWWWWWw..",  //
                                   ".......wWWWWw...",  //
                                   "........wWWw....",  //
                                   ".........ww....."},
                                  legend),
                        6);
  p.headAt = {-9, -9};
  p.overCoat = [](Canvas& c, const Body&, const Rig& r, const Pose&) {
    // The coat's white collar band and the tie ribbon of a hanbok coat.
    c.line({r.neck.x - 2, r.neck.y + 1}, {r.neck.x + 3, r.neck.y + 6}, kWhiteCloth.shade);
    c.line({r.neck.x + 3, r.neck.y + 7}, {r.neck.x + 2, r.neck.y + 11}, kRed.base);
    c.line({r.neck.x + 4, r.neck.y + 7}, {r.neck.x + 5, r.neck.y + 10}, kRed.shade);
  };
  p.overHead = [](Canvas& c, const Body&, const Rig& r, const Pose& pose) {
    if (pose.extra == 0) return;
    // The long pipe from the mouth, and its smoke.
    const float mx = r.neck.x + 4, my = r.neck.y - 2;
    c.line({mx, my}, {mx + 6, my + 2}, kWood.deep);
    c.put(int(mx + 6), int(my + 1), kWood.shade), c.put(int(mx + 7), int(my + 1), kWood.shade);
    const float sx = mx + 7, sy = my - 3;
    if (pose.extra == 1) {
      c.shade(c.ellipse(sx, sy, 1.6f, 1.6f), kGreyCloth);
    } else {
      c.shade(c.ellipse(sx + 1, sy - 2, 2.5f, 2.2f), {14, 12, 10, 9});
      c.shade(c.ellipse(sx - 1, sy + 1, 1.4f, 1.2f), {14, 12, 10, 9});
    }
  };
  p.inHand = [](Canvas& c, const Body& b, const Rig& r, const Pose&) {
    // The walking stick from the near hand to the snow ahead.
    const Pt top{r.nearHand.x + 0.5f, r.nearHand.y - 3};
    const Pt foot{r.nearHand.x + 2.5f, float(b.groundY) + 0.5f};
    c.shade(c.capsule(top, foot, 0.9f), kWood);
    c.shade(c.ellipse(top.x, top.y, 1.5f, 1.2f), kDarkWood);
    c.shade(c.ellipse(r.nearHand.x, r.nearHand.y + 0.5f, 1.5f, 1.5f), kSkinOld);
  };
  return p;
}

// ---- the baker: white kerchief, rose dress, white apron, a bread basket ----

void breadLoaf(Canvas& c, float x, float y) {
  c.shade(c.ellipse(x, y, 3.0f, 1.8f), {221, 218, 215, 212});
  c.put(int(x) - 1, int(y) - 1, 222), c.put(int(x) + 1, int(y) - 1, 222);
}

Person bakerLook() {
  Person p;
  p.body = adult();
  Body& b = p.body;
  b.h = 46, b.groundY = 44, b.hipY = 30, b.shoulderY = 17, b.hemY = 41;
  b.coat = kRose, b.sleeve = kRose, b.hemHalf = 8.5f, b.shoulderHalf = 6, b.hemSway = 0.6f;
  b.stepLen = 3.5f, b.boot = kDarkBoot;
  const auto legend = headLegend(kSkin, kHairBrown, kWhiteCloth, kRed);
  p.heads = lookingWays(makeStamp({".....HHAAA...",  //
                                   "...HHAAAAAAa.",  //
                                   "..HAAAAAAAAAa",  //
                                   ".aAAAAAAAAAAa",  //
                                   "haAaAaBBBBBBa",  //
                                   "h..aAbSSSSSS.",  //
                                   "....bSSKSSKS.",  //
                                   "....bsSKSSKSS",  //
                                   "....bsCSSSCS.",  //
                                   ".....sSSMSS..",  //
                                   "......tsss..."},
                                  legend),
                        6);
  p.headAt = {-7, -11};
  p.overCoat = [](Canvas& c, const Body& b, const Rig& r, const Pose&) {
    // The apron from the chest to the knees, tied at the waist.
    const float top = r.neck.y + 4, hem = float(b.hemY + r.bob - 3);
    Mask apron = c.polygon({{r.neck.x - 1, top},
                            {r.neck.x + 6, top},
                            {r.hip.x + 8.5f + std::abs(r.stride) * 0.6f, hem},
                            {r.hip.x - 3, hem}});
    c.shade(apron, kWhiteCloth);
    c.line({r.hip.x - 6, r.hip.y - 2}, {r.hip.x + 6, r.hip.y - 2}, kWhiteCloth.shade);
    c.put(int(r.hip.x) - 7, int(r.hip.y) - 1, kWhiteCloth.shade);
    c.put(int(r.hip.x) - 7, int(r.hip.y), kWhiteCloth.deep);
  };
  p.inHand = [](Canvas& c, const Body&, const Rig& r, const Pose& pose) {
    if (pose.extra == 1) {  // holding out a loaf
      breadLoaf(c, r.nearHand.x + 2, r.nearHand.y - 1);
      c.shade(c.ellipse(r.nearHand.x, r.nearHand.y + 0.5f, 1.5f, 1.5f), kSkin);
      return;
    }
    // The basket on the forearm, loaves showing.
    const float x = r.nearHand.x + 1, y = r.nearHand.y;
    breadLoaf(c, x - 1, y - 1);
    breadLoaf(c, x + 2, y - 1.5f);
    c.shade(c.polygon({{x - 5, y}, {x + 6, y}, {x + 5, y + 5}, {x - 4, y + 5}}), kStraw);
    c.line({x - 4, y + 2}, {x + 5, y + 2}, kStraw.shade);
    c.line({x - 5, y}, {x - 2, y - 4}, kStraw.deep);
  };
  return p;
}

// ---- the smith: big, bald, a brown beard, bare forearms, leather apron, a hammer ----

Person smithLook() {
  Person p;
  Body& b = p.body;
  b.w = 36, b.h = 50, b.cx = 18, b.groundY = 48;
  b.hipY = 32, b.shoulderY = 18, b.hemY = 35;
  b.shoulderHalf = 7.5f, b.hemHalf = 7, b.legR = 2.0f, b.armR = 2.0f;
  b.upperArm = 6.5f, b.foreArm = 6.5f, b.bootH = 4, b.bootToe = 2;
  b.coat = kDarkRed, b.sleeve = kDarkRed, b.bareForearms = true;
  b.trousers = {156, 154, 153, 152}, b.boot = kDarkBoot, b.hand = kSkin;
  const auto legend = headLegend(kSkin, kHairBrown, kRed, kSkin);
  p.heads = lookingWays(makeStamp({"....HAAAA....",   //
                                   "..HAAAAAAAa..",   //
                                   ".aAAAAAAAAAa.",   //
                                   "hhaaaaaaaaaah.",  //
                                   "h.bBSSdddSdd.",   //
                                   "..bBSSSKSSSK.",   //
                                   "..bBsSSKSSSKS",   //
                                   "..bbsSSSSSSSS",   //
                                   "..bBBBBBBBBB.",   //
                                   "..bBBBBddBBB.",   //
                                   "...bBBBBBBBb.",   //
                                   "....bBBBBBb..",   //
                                   ".....bbbbb..."},
                                  legend),
                        5);
  p.headAt = {-6, -10};
  p.overCoat = [](Canvas& c, const Body& b, const Rig& r, const Pose&) {
    // The leather apron from the chest to the knees, its strap round the neck.
    const float top = r.neck.y + 3, hem = float(b.hemY + 6 + r.bob);
    Mask apron = c.polygon({{r.neck.x - 4, top},
                            {r.neck.x + 7, top},
                            {r.hip.x + 8 + std::abs(r.stride), hem},
                            {r.hip.x - 7, hem}});
    c.shade(apron, kLeather);
    c.line({r.neck.x - 4, top}, {r.neck.x - 4, r.neck.y}, kLeather.deep);
  };
  p.inHand = [](Canvas& c, const Body&, const Rig& r, const Pose& pose) {
    // The hammer: a handle through the fist and an iron head at its end.
    float ang = 0.3f;                  // the handle's angle from straight ahead, upward positive
    if (pose.extra == 1) ang = 2.3f;   // raised over the head
    if (pose.extra == 2) ang = -0.9f;  // struck down ahead
    const float dx = std::cos(ang), dy = -std::sin(ang);
    const Pt grip{r.nearHand.x, r.nearHand.y + 0.5f};
    const Pt end{grip.x + dx * 8, grip.y + dy * 8};
    c.shade(c.capsule({grip.x - dx * 2, grip.y - dy * 2}, end, 0.9f), kWood);
    const Pt h0{end.x - dy * 2.5f, end.y + dx * 2.5f}, h1{end.x + dy * 2.5f, end.y - dx * 2.5f};
    c.shade(c.capsule(h0, h1, 1.7f), kIron);
    c.shade(c.ellipse(grip.x, grip.y, 2.0f, 2.0f), kSkin);
  };
  return p;
}

}  // namespace

Frames postman() {
  const Person look = postmanLook();
  return twelveFrames([&](int f) {
    Pose p = walkPose(f);
    if (f == 10) p.head = 1, p.extra = 1, p.nearArm = 1.0f, p.nearBend = 0.6f;  // a letter
    if (f == 11) p.nearArm = 2.2f, p.nearBend = 0.6f;                           // waves
    return drawPerson(look, p);
  });
}

Frames chief() {
  const Person look = chiefLook();
  return twelveFrames([&](int f) {
    Pose p = walkPose(f, 0.3f);
    p.nearArm = 0.5f, p.nearBend = 0.3f;  // the hand stays on the stick
    if (f == 10) p.extra = 1;
    if (f == 11) p.extra = 2, p.head = 2;
    return drawPerson(look, p);
  });
}

Frames baker() {
  const Person look = bakerLook();
  return twelveFrames([&](int f) {
    Pose p = walkPose(f, 0.35f);
    p.nearArm = 0.2f, p.nearBend = 1.4f;  // the basket on the bent arm
    if (f == 10) p.extra = 1, p.nearArm = 1.2f, p.nearBend = 0.2f;
    if (f == 11) p.head = 2;
    return drawPerson(look, p);
  });
}

Frames smith() {
  const Person look = smithLook();
  return twelveFrames([&](int f) {
    Pose p = walkPose(f, 0.45f);
    if (f == 10) p.extra = 1, p.nearArm = 2.15f, p.nearBend = 0.5f, p.head = 2;
    if (f == 11) p.extra = 2, p.nearArm = 1.0f, p.nearBend = 0.3f, p.head = 1, p.bob = 1;
    return drawPerson(look, p);
  });
}

}  // namespace art
