// animals.cpp -- the four-legged: the spotted dog, the fox, the roe deer
#include "art/beast.h"
#include "art/colours.h"
#include "art/heads.h"
#include "art/packs.h"
#include "art/person.h"

namespace art {
namespace {

using namespace colours;

// ---- the dog: white with black patches and a black ear ----

constexpr Ramp kDogWhite{15, 14, 12, 10};
constexpr Ramp kDogBlack{5, 4, 3, 2};

Stamp dogHead(bool barking) {
  const std::map<char, uint8_t> legend = {{'W', kDogWhite.base},
                                          {'w', kDogWhite.shade},
                                          {'v', kDogWhite.deep},
                                          {'L', kDogWhite.hi},
                                          {'E', kDogBlack.base},
                                          {'e', kDogBlack.deep},
                                          {'K', kInk},
                                          {'N', kInk},
                                          {'T', 58}};
  if (barking)
    return makeStamp({"...EE.......",  //
                      "..EEEWWW....",  //
                      ".EEEWWWWW...",  //
                      ".EEeWKWWWW..",  //
                      "..EeWWWWWWWN",  //
                      "...wWWWTTT..",  //
                      "....vwWWWww.",  //
                      ".....vwww..."},
                     legend);
  return makeStamp({"...EE.......",  //
                    "..EEEWWW....",  //
                    ".EEEWWWWW...",  //
                    ".EEeWKWWWW..",  //
                    "..EeWWWWWWWN",  //
                    "...wWWWWWWw.",  //
                    "....vwwwv..."},
                   legend);
}

Canvas dogFrame(int frame) {
  Canvas c(26, 18);  // the frame: facing right, room for the snout
  const int ground = 16;
  if (frame == 10) {  // sitting: the rump on the snow, the chest up, forelegs straight
    c.shade(c.capsule({6, 15}, {2, 15}, 1.1f), kDogWhite);  // the tail along the snow
    c.shade(c.capsule({15, 10}, {15.5f, 16}, 1.1f), farSide(kDogWhite));
    Mask body = c.capsule({9, 12.5f}, {14, 7.5f}, 3.6f);
    body |= c.ellipse(8.5f, 13.0f, 3.8f, 3.0f);
    c.shade(body, kDogWhite);
    Mask patch = c.ellipse(9.5f, 9.5f, 2.6f, 2.4f);
    patch &= body;
    c.shade(patch, kDogBlack);
    c.shade(c.capsule({16.5f, 10}, {17, 16}, 1.1f), kDogWhite);
    c.shade(c.ellipse(11.5f, 15.5f, 2.5f, 1.2f), kDogWhite);  // the folded hind paw
    stamp(c, dogHead(false), 11, 0);
    c.outline();
    return c;
  }
  const Gait4 g = frame == 11 ? Gait4{} : gait4(frame);
  const Legs legs{{16, 11}, {7, 11}, -1.5f, ground, 1.1f, 2.0f, kDogWhite, 0};
  drawLegs(c, legs, g, true);
  // The tail curls up behind, black-tipped.
  c.shade(c.capsule({4.5f, 8.5f + float(g.bob)}, {2.5f, 4.5f}, 1.1f), kDogWhite);
  c.put(2, 4, kDogBlack.base), c.put(3, 4, kDogBlack.base);
  Mask body = c.ellipse(11.5f, 9.5f + float(g.bob), 7.0f, 3.4f);
  c.shade(body, kDogWhite);
  Mask patch = c.ellipse(9, 7.5f + float(g.bob), 3.5f, 2.2f);
  patch |= c.ellipse(15, 10.5f + float(g.bob), 1.6f, 1.4f);
  patch &= body;
  c.shade(patch, kDogBlack);
  drawLegs(c, legs, g, false);
  stamp(c, dogHead(frame == 11), 13, frame == 11 ? 0 : 2 + g.bob);
  c.outline();
  return c;
}

// ---- the fox: orange, white cheeks and tail tip, dark legs ----

Stamp foxHead(bool alert) {
  const std::map<char, uint8_t> legend = {{'O', kOrangeFur.base},
                                          {'o', kOrangeFur.shade},
                                          {'H', kOrangeFur.hi},
                                          {'k', kCharcoal.base},
                                          {'W', kWhiteCloth.base},
                                          {'w', kWhiteCloth.shade},
                                          {'K', kInk},
                                          {'N', kInk}};
  if (alert)
    return makeStamp({".k...k....",  //
                      ".kO.kO....",  //
                      ".OO.OO....",  //
                      ".OHOOOo...",  //
                      "oOOOKOOOO.",  //
                      ".oOWWWWWWN",  //
                      "..oWWWWw..",  //
                      "...ww....."},
                     legend);
  return makeStamp({"..k..k....",  //
                    ".kO.kO....",  //
                    ".OHOOOo...",  //
                    "oOOOKOOOO.",  //
                    ".oOWWWWWWN",  //
                    "..oWWWWw..",  //
                    "...ww....."},
                   legend);
}

Canvas foxFrame(int frame) {
  Canvas c(34, 20);
  const bool alert = frame == 10;
  const Gait4 g = alert ? Gait4{} : gait4(frame);
  const float lift = alert ? -1.0f : 0.0f;  // startled, it stands tall
  const float by = 11.0f + float(g.bob) + lift;
  const Legs legs{{21, by + 1.5f}, {11, by + 1.5f}, -1.5f, 18, 1.0f, 3.0f, {67, 66, 65, 64}, 0};
  drawLegs(c, legs, g, true);
  // The brush: thick, sweeping down behind (or up, when startled), white at the tip.
  const Pt root{8, by - 1};
  const Pt mid = alert ? Pt{5, by - 5} : Pt{4, by + 1};
  const Pt end = alert ? Pt{3, by - 9} : Pt{1.5f, by + 3.5f};
  Mask tail = c.capsule(root, mid, 2.4f);
  tail |= c.capsule(mid, end, 2.0f);
  c.shade(tail, kOrangeFur);
  c.shade(c.ellipse(end.x, end.y, 1.9f, 1.9f), kWhiteCloth);
  Mask body = c.ellipse(16.5f, by, 8.5f, 3.4f);
  c.shade(body, kOrangeFur);
  Mask chest = c.ellipse(22, by + 2, 3, 1.6f);
  chest &= body;
  c.shade(chest, kWhiteCloth);
  drawLegs(c, legs, g, false);
  stamp(c, foxHead(alert), 23, int(by) - (alert ? 10 : 8));
  c.outline();
  return c;
}

// ---- the roe deer: grey-brown, a white rump, small antlers, long legs ----

constexpr Ramp kDeerCoat{76, 73, 70, 67};

Stamp deerHead(bool down) {
  const std::map<char, uint8_t> legend = {
      {'B', kDeerCoat.base},   {'b', kDeerCoat.shade}, {'H', kDeerCoat.hi}, {'E', kDeerCoat.deep},
      {'a', kStraw.deep},      {'A', kStraw.shade},    {'K', kInk},         {'N', kInk},
      {'W', kWhiteCloth.shade}};
  if (down)
    return makeStamp({".a.a...",  //
                      ".AaA...",  //
                      "EEa....",  //
                      "EHBB...",  //
                      ".BKBB..",  //
                      ".BBBB..",  //
                      "..BBBb.",  //
                      "..bBWb.",  //
                      "...bN.."},
                     legend);
  return makeStamp({"..a.a......",  //
                    "..A.A.a....",  //
                    "...AaA.....",  //
                    ".EE.a......",  //
                    ".EEHBB.....",  //
                    "..BBKBBB...",  //
                    "..BBBBBBBB.",  //
                    "...bBBBWWN.",  //
                    "....bbbb..."},
                   legend);
}

Canvas deerFrame(int frame) {
  Canvas c(34, 34);
  const bool grazing = frame == 10;
  const Gait4 g = grazing ? Gait4{} : gait4(frame);
  const float by = 16.0f + float(g.bob);
  const Legs legs{{22, by + 2}, {10, by + 2}, -1.5f, 32, 1.1f, 3.0f, kDeerCoat, kCharcoal.base};
  drawLegs(c, legs, g, true);
  Mask body = c.ellipse(16, by, 8.5f, 4.6f);
  c.shade(body, kDeerCoat);
  Mask rump = c.ellipse(8.5f, by - 1, 2.5f, 2.6f);
  rump &= body;
  c.shade(rump, kWhiteCloth);
  // The neck rises from the chest, or reaches down to the snow.
  const Pt base{22, by - 2};
  const Pt top = grazing ? Pt{26, by + 7} : Pt{25, by - 9};
  c.shade(c.capsule(base, top, 2.4f), kDeerCoat);
  drawLegs(c, legs, g, false);
  if (grazing)
    stamp(c, deerHead(true), 24, int(by) + 5);
  else
    stamp(c, deerHead(false), 21, int(by) - 16);
  c.outline();
  return c;
}

}  // namespace

Frames dog() { return twelveFrames(dogFrame); }
Frames fox() { return twelveFrames(foxFrame); }
Frames deer() { return twelveFrames(deerFrame); }

}  // namespace art
