// person.cpp -- posed people: the walk, the skeleton, legs, arms, coat and the frame set
#include "art/person.h"

#include <algorithm>
#include <cmath>

namespace art {

Pose walkPose(int frame, float armSwing) {
  Pose p;
  switch (frame) {
    case 6:
      p.stride = -0.75f, p.liftFar = 2;
      break;
    case 7:
      p.stride = -1.0f, p.bob = 1;
      break;
    case 8:
      p.stride = 0.75f, p.liftNear = 2;
      break;
    case 9:
      p.stride = 1.0f, p.bob = 1;
      break;
    default:
      break;
  }
  // The arm on the near side swings back while the near leg is ahead.
  p.nearArm = -p.stride * armSwing;
  p.farArm = p.stride * armSwing;
  p.nearBend = 0.2f + std::max(0.0f, p.nearArm) * 0.8f;
  p.farBend = 0.2f + std::max(0.0f, p.farArm) * 0.8f;
  return p;
}

namespace {

Pt add(Pt a, float dx, float dy) { return {a.x + dx, a.y + dy}; }

// The knee of a leg of two equal halves from hip to ankle, bent forward.
Pt kneeOf(Pt hip, Pt ankle, float legLen) {
  const float dx = ankle.x - hip.x, dy = ankle.y - hip.y;
  const float d = std::sqrt(dx * dx + dy * dy);
  // A leg stretched further than its length stays straight.
  const float half = std::max(legLen, d) / 2.0f;
  const float out = std::sqrt(std::max(0.0f, half * half - d * d / 4.0f));
  // The perpendicular that points ahead (to the right).
  float px = dy / d, py = -dx / d;
  if (px < 0) px = -px, py = -py;
  return {(hip.x + ankle.x) / 2 + px * out, (hip.y + ankle.y) / 2 + py * out};
}

void armPoints(const Body& b, Pt shoulder, float angle, float bend, Pt& elbow, Pt& hand) {
  elbow = add(shoulder, b.upperArm * std::sin(angle), b.upperArm * std::cos(angle));
  hand = add(elbow, b.foreArm * std::sin(angle + bend), b.foreArm * std::cos(angle + bend));
}

}  // namespace

Rig rigOf(const Body& b, const Pose& p) {
  Rig r;
  r.bob = p.bob;
  r.stride = p.stride;
  r.hip = {b.cx, float(b.hipY + p.bob)};
  r.neck = {b.cx + b.lean + p.lean, float(b.shoulderY + p.bob) + p.lean * 0.4f};
  r.shoulder = add(r.neck, 0.5f, 2.0f);
  const float ankleY = float(b.groundY - b.bootH + 1);
  // Straight when standing; the bob and a raised foot bend the knee.
  const float legLen = ankleY - float(b.hipY);
  const float half = p.stride * b.stepLen;
  const float apart = p.stride == 0 ? b.standApart / 2 : 0.0f;
  r.nearAnkle = {b.cx + half + apart, ankleY - float(p.liftNear)};
  r.farAnkle = {b.cx - half - apart, ankleY - float(p.liftFar)};
  r.nearKnee = kneeOf(r.hip, r.nearAnkle, legLen);
  r.farKnee = kneeOf(r.hip, r.farAnkle, legLen);
  armPoints(b, r.shoulder, p.nearArm, p.nearBend, r.nearElbow, r.nearHand);
  armPoints(b, add(r.shoulder, -1.5f, 0), p.farArm, p.farBend, r.farElbow, r.farHand);
  return r;
}

void drawLeg(Canvas& c, const Body& b, Pt hip, Pt knee, Pt ankle, int lift, bool far) {
  const Ramp trousers = far ? farSide(b.trousers) : b.trousers;
  const Ramp boot = far ? farSide(b.boot) : b.boot;
  Mask leg = c.capsule(hip, knee, b.legR);
  leg |= c.capsule(knee, ankle, b.legR);
  c.shade(leg, trousers);
  // The boot: from the ankle down to the sole, the toe ahead.
  const int sole = b.groundY - lift;
  const int x0 = int(std::floor(ankle.x - b.legR + 0.5f));
  const int wide = int(std::lround(2 * b.legR)) + b.bootToe;
  Mask bootMask = c.rect(x0, sole - b.bootH + 1, wide, b.bootH);
  bootMask.set(x0 + wide - 1, sole - b.bootH + 1, false);  // a rounded toe
  c.shade(bootMask, boot);
}

void drawArm(Canvas& c, const Body& b, Pt shoulder, Pt elbow, Pt hand, bool far) {
  const Ramp sleeve = far ? farSide(b.sleeve) : b.sleeve;
  const Ramp skin = far ? farSide(b.hand) : b.hand;
  Mask arm = c.capsule(shoulder, elbow, b.armR);
  Mask fore = c.capsule(elbow, hand, b.armR);
  if (!b.bareForearms) arm |= fore;
  if (far)
    c.shade(arm, sleeve);
  else
    c.shadeRimmed(arm, sleeve);
  if (b.bareForearms) {
    fore -= arm;
    if (far)
      c.shade(fore, skin);
    else
      c.shadeRimmed(fore, skin);
  }
  c.shade(c.ellipse(hand.x, hand.y + 0.5f, 1.5f, 1.5f), skin);
}

void drawCoat(Canvas& c, const Body& b, const Rig& r) {
  const float top = r.neck.y, hem = float(b.hemY + r.bob);
  const float nx = r.neck.x, hx = r.hip.x;
  const float sh = b.shoulderHalf, hh = b.hemHalf;
  const float sway = std::abs(r.stride) * b.hemSway;
  Mask coat = c.polygon({{nx - sh + 1, top},
                         {nx + sh - 1, top},
                         {nx + sh, top + 2},
                         {hx + hh + sway, hem},
                         {hx - hh - sway * 0.5f, hem},
                         {nx - sh, top + 2}});
  c.shade(coat, b.coat);
}

Canvas drawPerson(const Person& person, const Pose& pose) {
  const Body& b = person.body;
  const Rig r = rigOf(b, pose);
  Canvas c(b.w, b.h);
  if (person.behind) person.behind(c, b, r, pose);
  drawArm(c, b, add(r.shoulder, -1.5f, 0), r.farElbow, r.farHand, true);
  drawLeg(c, b, r.hip, r.farKnee, r.farAnkle, pose.liftFar, true);
  drawLeg(c, b, r.hip, r.nearKnee, r.nearAnkle, pose.liftNear, false);
  if (!person.noCoat) drawCoat(c, b, r);
  if (person.overCoat) person.overCoat(c, b, r, pose);
  const size_t which = size_t(pose.head) < person.heads.size() ? size_t(pose.head) : 0;
  // Looking down tips the head forward a pixel, looking up lifts it back.
  const int tipX = pose.head == 1 ? 1 : 0, tipY = pose.head == 1 ? 1 : pose.head == 2 ? -1 : 0;
  if (!person.heads.empty())
    stamp(c, person.heads[which], int(std::lround(r.neck.x + person.headAt.x)) + tipX,
          int(std::lround(r.neck.y + person.headAt.y)) + tipY);
  if (person.overHead) person.overHead(c, b, r, pose);
  drawArm(c, b, r.shoulder, r.nearElbow, r.nearHand, false);
  if (person.inHand) person.inHand(c, b, r, pose);
  c.outline();
  return c;
}

std::vector<Canvas> twelveFrames(const std::function<Canvas(int frame)>& right,
                                 bool posesFaceLeft) {
  std::vector<Canvas> frames;
  auto mirrored = [](Canvas c) {
    c.mirror();
    return c;
  };
  frames.push_back(mirrored(right(5)));
  for (int f = 6; f <= 9; ++f) frames.push_back(mirrored(right(f)));
  for (int f = 5; f <= 9; ++f) frames.push_back(right(f));
  for (int f = 10; f <= 11; ++f) frames.push_back(posesFaceLeft ? mirrored(right(f)) : right(f));
  return frames;
}

}  // namespace art
