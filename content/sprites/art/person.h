// person.h -- people drawn from a posed skeleton, facing right: legs, coat, arms and a
// head drawn as a stamp; the left-facing frames are mirror images
#pragma once

#include <functional>
#include <vector>

#include "art/canvas.h"

namespace art {

// The pose of one frame, facing right.
struct Pose {
  float stride = 0;                         // -1..1: how far the near leg is ahead of the far one
  int liftNear = 0, liftFar = 0;            // a foot in the air, pixels
  int bob = 0;                              // the body sinks by this many pixels
  float nearArm = 0, farArm = 0;            // upper arm angles in radians, 0 hanging, + forward
  float nearBend = 0.25f, farBend = 0.25f;  // the forearm's extra angle at the elbow
  int head = 0;    // which head stamp: 0 ahead, 1 looking down, 2 looking up
  int extra = 0;   // a character's own variation (a puff of smoke, a raised hammer...)
  float lean = 0;  // the shoulders this much further ahead (a bow), sinking a little
};

// The walk: frame 5 stands (and doubles as the passing phase); 6 the far foot reaches
// ahead, 7 it is planted, 8 the near foot reaches, 9 it is planted. Arms swing against the
// legs. Any other frame number gives the standing pose.
Pose walkPose(int frame, float armSwing = 0.55f);

struct Body {
  int w = 32, h = 48;
  float cx = 16;     // the middle of the hips
  int groundY = 46;  // the soles' row (the outline lies below it)
  int hipY = 31, shoulderY = 17;
  float legR = 1.6f, armR = 1.5f;
  float upperArm = 6, foreArm = 6;
  float stepLen = 5;                    // the foot's distance from the hip at full stride
  float shoulderHalf = 5, hemHalf = 6;  // the coat's half widths
  int hemY = 34;
  float lean = 0;  // shoulders ahead of the hips (a bent back)
  int bootH = 3, bootToe = 2;
  float standApart = 1.5f;    // the feet's distance apart when standing
  float hemSway = 1.0f;       // how far the coat's hem swings with the stride
  bool bareForearms = false;  // sleeves rolled up: the forearms in the hands' colours
  Ramp coat, sleeve, trousers, boot, hand;
};

// The key points of one posed frame.
struct Rig {
  Pt hip, shoulder;  // shoulder: where the near arm hangs from
  Pt neck;           // the middle of the coat's top, where the head sits
  Pt nearKnee, nearAnkle, farKnee, farAnkle;
  Pt nearElbow, nearHand, farElbow, farHand;
  int bob = 0;
  float stride = 0;
};

Rig rigOf(const Body& b, const Pose& p);

using Layer = std::function<void(Canvas&, const Body&, const Rig&, const Pose&)>;

struct Person {
  Body body;
  std::vector<Stamp> heads;  // ahead, looking down, looking up (missing ones use the first)
  Pt headAt{-6, -12};        // the head stamp's top-left relative to the neck
  Layer behind;              // first of all: things behind the far arm (a basket, a sled)
  Layer overCoat;            // after the coat, before the head (a scarf, a bag strap)
  Layer overHead;            // after the head (a beard, a hat brim)
  Layer inHand;              // last: what the near hand holds
  bool noCoat = false;       // a figure that draws its own torso in overCoat
};

void drawLeg(Canvas& c, const Body& b, Pt hip, Pt knee, Pt ankle, int lift, bool far);
void drawArm(Canvas& c, const Body& b, Pt shoulder, Pt elbow, Pt hand, bool far);
void drawCoat(Canvas& c, const Body& b, const Rig& r);

// One frame facing right, outlined.
Canvas drawPerson(const Person& person, const Pose& pose);

// The twelve frames of a character from its right-facing drawing function: 5 and 6..9 the
// stand and walk, 0..4 their mirror images, 10 and 11 the two poses (mirrored to face
// left, like the stand frame 0, when poseFacesLeft).
std::vector<Canvas> twelveFrames(const std::function<Canvas(int frame)>& right,
                                 bool posesFaceLeft = true);

}  // namespace art
