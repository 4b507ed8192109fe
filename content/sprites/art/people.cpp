// people.cpp -- the young: the hero, the boy, the girl with her sled, the skater
#include <cmath>

#include "art/cast.h"
#include "art/colours.h"
#include "art/heads.h"
#include "art/packs.h"
#include "art/person.h"

namespace art {
namespace {

using namespace colours;

Stamp heroHead(int look) {
  const auto legend = headLegend(kSkin, kHairBrown, kRed, kWhiteCloth);
  std::vector<std::string> rows = {
      ".....VW.....",  //
      "....VWWw....",  //
      "....HAAAA...",  //
      "..HHAAAAAAa.",  //
      ".HAAAAAAAAAa",  //
      ".AAAAAAAAAAa",  //
      ".VWWWWWWWWWw",  //
      ".wwwwwwwwwwv",  //
      ".bBBsSLLLLS.",  //
      ".bBsSSSSSSSS",  //
      ".bBsSSKSSSKS",  //
      ".bbsSSKSSSKS",  //
      "..bsSCSSSSCs",  //
      "...sSSSSMSs.",  //
      "....tsssst..",  //
  };
  if (look == 1) {  // eyes cast down
    rows[10] = ".bBsSSSSSSSS";
    rows[11] = ".bbsSSKKSSKK";
  } else if (look == 2) {  // eyes up
    rows[9] = ".bBsSSKSSSKS";
    rows[10] = ".bBsSSKSSSKS";
    rows[11] = ".bbsSSSSSSSS";
  }
  return makeStamp(rows, legend);
}

Person heroLook() {
  Person p;
  Body& b = p.body;
  b.w = 32, b.h = 48, b.cx = 16, b.groundY = 46;
  b.hipY = 31, b.shoulderY = 17, b.hemY = 34;
  b.shoulderHalf = 5, b.hemHalf = 6;
  b.coat = kBlueCoat, b.sleeve = kBlueCoat, b.trousers = kTrousers, b.boot = kBoot;
  b.hand = kRed;
  p.heads = {heroHead(0), heroHead(1), heroHead(2)};
  p.headAt = {-6, -14};
  p.overCoat = [](Canvas& c, const Body& b, const Rig& r, const Pose& pose) {
    // The satchel on the back hip, its strap across the chest.
    const int bx = int(r.hip.x) - 9, by = int(r.hip.y) - 5;
    c.line({r.neck.x + 3, r.neck.y + 2}, {float(bx + 2), float(by)}, kLeather.shade);
    c.shade(c.rect(bx, by, 5, 6), kLeather);
    c.put(bx + 1, by + 1, kLeather.deep), c.put(bx + 2, by + 1, kLeather.deep);
    // The scarf round the neck, its end hanging behind and lifting in the walk.
    const float trail = pose.stride != 0 ? 1.5f : 0.0f;
    Mask scarf = c.ellipse(r.neck.x + 0.5f, r.neck.y + 1.0f, 5.0f, 2.0f);
    scarf |= c.polygon({{r.neck.x - 4, r.neck.y + 2},
                        {r.neck.x - 1, r.neck.y + 2},
                        {r.neck.x - 4 - trail, r.neck.y + 7},
                        {r.neck.x - 6 - trail, r.neck.y + 6}});
    c.shade(scarf, kRed);
    (void)b;
  };
  return p;
}

// ---- the boy: green coat, a brown flying cap with flaps, snowballs ----

Person boyLook() {
  Person p;
  p.body = child();
  Body& b = p.body;
  b.coat = kGreen, b.sleeve = kGreen, b.trousers = {75, 72, 69, 67}, b.hand = kRed;
  auto legend = headLegend(kSkin, kHairBrown, kMustard, kWhiteCloth);
  p.heads = lookingWays(makeStamp({"...HAAAA...",  //
                                   ".HAAAAAAAa.",  //
                                   "HAAAAAAAAAa",  //
                                   "VWWWWWWWWWw",  //
                                   "AAawBSSSSS.",  //
                                   "AAaBSSKSSK.",  //
                                   "AAasSSKSSKS",  //
                                   "haasSCSSSCS",  //
                                   ".hh.sSSMSS.",  //
                                   ".....tsss.."},
                                  legend),
                        5);
  p.headAt = {-6, -9};
  p.inHand = [](Canvas& c, const Body&, const Rig& r, const Pose& pose) {
    if (pose.extra == 1)  // a snowball held up
      c.shade(c.ellipse(r.nearHand.x, r.nearHand.y - 1.5f, 2.0f, 2.0f), kSnowBody);
    if (pose.extra == 2)  // and away it flies
      c.shade(c.ellipse(r.nearHand.x + 6, r.nearHand.y - 2, 2.0f, 2.0f), kSnowBody);
  };
  return p;
}

// ---- the girl: pink coat and hat, black pigtails, a sled on a rope ----

Person girlLook() {
  Person p;
  p.body = child();
  Body& b = p.body;
  b.w = 36, b.cx = 22;  // room behind her for the sled
  b.coat = kPink, b.sleeve = kPink, b.trousers = kRose, b.hand = kWhiteCloth;
  b.hemY = 28, b.hemHalf = 6.5f, b.boot = kDarkRed;
  auto legend = headLegend(kSkin, kHairBlack, kPink, kWhiteCloth);
  p.heads = lookingWays(makeStamp({"....VW.....",  //
                                   "...HAAAA...",  //
                                   ".HAAAAAAAa.",  //
                                   "HAAAAAAAAAa",  //
                                   "VWWWWWWWWWw",  //
                                   "dBBBSSSSSS.",  //
                                   "dBBSSKSSKS.",  //
                                   "dBbsSKSSKSS",  //
                                   "dBbsSCSSCS.",  //
                                   "GBb.sSSMS..",  //
                                   "Bb...tss..."},
                                  legend),
                        6);
  p.headAt = {-6, -10};
  p.behind = [](Canvas& c, const Body& b, const Rig& r, const Pose& pose) {
    // The sled: runners on the snow behind her, a wooden seat, the rope to her hand.
    const float x0 = 2 + (pose.stride != 0 ? 1.0f : 0.0f), y = float(b.groundY);
    c.shade(c.rect(int(x0) + 1, int(y) - 4, 12, 3), kWood);
    c.shade(c.rect(int(x0), int(y), 14, 1), kRed);
    c.put(int(x0) + 14, int(y) - 1, kRed.base);
    c.put(int(x0) + 15, int(y) - 2, kRed.shade);
    c.put(int(x0) + 3, int(y) - 1, kRed.shade), c.put(int(x0) + 10, int(y) - 1, kRed.shade);
    c.line({x0 + 14, y - 3}, {r.farHand.x - 1, r.farHand.y}, kWood.deep);
  };
  return p;
}

// ---- the skater: purple coat, white earmuffs, a long ponytail, a flying yellow scarf ----

Person skaterLook() {
  Person p;
  p.body = adult();
  Body& b = p.body;
  b.w = 34, b.h = 46, b.cx = 17, b.groundY = 43;
  b.hipY = 29, b.shoulderY = 17, b.hemY = 32, b.hemHalf = 6.5f, b.shoulderHalf = 4.5f;
  b.legR = 1.4f, b.armR = 1.4f, b.stepLen = 6, b.lean = 1;
  b.coat = kPurple, b.sleeve = kPurple, b.trousers = {141, 139, 137, 136};
  b.boot = kWhiteCloth, b.hand = kWhiteCloth, b.bootToe = 2;
  auto legend = headLegend(kSkin, kHairBrown, kWhiteCloth, kWhiteCloth);
  p.heads = lookingWays(makeStamp({"....GGBBB...",  //
                                   "..GBBBBBBBb.",  //
                                   ".GBBBBBBBBBb",  //
                                   ".BBBBBBBBBbB",  //
                                   ".bBVWBSSSSSS",  //
                                   "..VWWwSKSSK.",  //
                                   "..WWWwSKSSKS",  //
                                   "..bwwsSCSSC.",  //
                                   "...bbsSSSMS.",  //
                                   "......tsss.."},
                                  legend),
                        5);
  p.headAt = {-7, -10};
  p.behind = [](Canvas& c, const Body&, const Rig& r, const Pose& pose) {
    // The ponytail and the scarf's end stream behind her when she glides.
    const float fly = pose.stride != 0 ? 1.0f : 0.0f;
    const Pt root{r.neck.x - 5, r.neck.y - 8};
    c.shade(c.capsule(root, {root.x - 3 - 3 * fly, root.y + 5 - 3 * fly}, 1.6f), kHairBrown);
    // The scarf's end: a wave behind her when she glides, hanging when she stands.
    const Pt k{r.neck.x - 3, r.neck.y + 2};
    const std::vector<Pt> tail =
        fly > 0 ? std::vector<Pt>{k, {k.x - 4, k.y + 2}, {k.x - 8, k.y}, {k.x - 11, k.y + 1}}
                : std::vector<Pt>{k, {k.x - 2, k.y + 4}, {k.x - 2, k.y + 8}};
    Mask scarf(c.width(), c.height());
    for (size_t i = 1; i < tail.size(); ++i) scarf |= c.capsule(tail[i - 1], tail[i], 1.2f);
    c.shade(scarf, kMustard);
  };
  p.overCoat = [](Canvas& c, const Body&, const Rig& r, const Pose&) {
    c.shade(c.ellipse(r.neck.x + 0.5f, r.neck.y + 1, 4.5f, 2.0f), kMustard);
  };
  p.inHand = [](Canvas& c, const Body& b, const Rig& r, const Pose& pose) {
    // Steel blades under the skates.
    const int sole = b.groundY + 1;
    for (const auto& [ankle, lift] :
         {std::pair{r.nearAnkle, pose.liftNear}, std::pair{r.farAnkle, pose.liftFar}}) {
      const int x0 = int(std::floor(ankle.x - b.legR + 0.5f)) - 1;
      for (int k = 0; k < 7; ++k) c.put(x0 + k, sole - lift, kSteel.base);
    }
  };
  return p;
}

}  // namespace

Frames hero() {
  const Person look = heroLook();
  auto right = [&](int frame) {
    Pose pose = walkPose(frame);
    if (frame == 10) pose.head = 1, pose.bob = 0;
    if (frame == 11) pose.head = 2;
    return drawPerson(look, pose);
  };
  return twelveFrames(right, false);
}

}  // namespace art

namespace art {

Frames boy() {
  const Person look = boyLook();
  return twelveFrames([&](int f) {
    Pose p = walkPose(f, 0.6f);
    if (f == 10) p.extra = 1, p.nearArm = 2.8f, p.nearBend = -0.6f, p.head = 2;
    if (f == 11) p.extra = 2, p.nearArm = 1.6f, p.nearBend = 0.1f, p.stride = 0.5f;
    return drawPerson(look, p);
  });
}

Frames girl() {
  const Person look = girlLook();
  return twelveFrames([&](int f) {
    Pose p = walkPose(f, 0.5f);
    p.farArm = -0.7f, p.farBend = 0.2f;  // the far hand pulls the rope behind
    if (f == 10) p.head = 1;
    if (f == 11) p.head = 2, p.nearArm = 2.5f, p.nearBend = 0.3f;
    return drawPerson(look, p);
  });
}

Frames skater() {
  const Person look = skaterLook();
  // Gliding: the pushing foot rises behind while the other runs ahead.
  return twelveFrames([&](int f) {
    Pose p = walkPose(f, 0.8f);
    if (f == 6) p.stride = -1.0f, p.liftFar = 0, p.liftNear = 3;
    if (f == 7) p.stride = -0.5f, p.liftNear = 1, p.bob = 1;
    if (f == 8) p.stride = 1.0f, p.liftNear = 0, p.liftFar = 3;
    if (f == 9) p.stride = 0.5f, p.liftFar = 1, p.bob = 1;
    if (f == 10) p.head = 1;
    if (f == 11) p.head = 2, p.nearArm = 2.6f, p.farArm = 2.4f;  // arms up, a twirl
    return drawPerson(look, p);
  });
}

}  // namespace art
