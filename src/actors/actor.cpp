// actor.cpp -- the one-frame actions, the behaviour lists and the drawing of characters
#include "actors/actor.h"

#include <algorithm>

#include "actors/actors_state.h"
#include "actors/snowfall.h"
#include "display/display_state.h"
#include "display/pixel_page.h"
#include "gfx/text_draw.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace actors {
namespace {

// Walk cycles: six phases of 10 frames; the standing frame is phases 2 and 5.
constexpr int kLeftCycle[6] = {1, 2, 0, 3, 4, 0};
constexpr int kRightCycle[6] = {6, 7, 5, 8, 9, 5};
constexpr int kWalkTicks = 60;

// Colours of the speech line: outline and face.
constexpr int kSpeechOutline = 200;
constexpr int kSpeechFace = 192;

int cameraX() {
  return world::worldState().CurrentScene ? world::worldState().CurrentScene->cameraX : 0;
}

// Far beyond the page either way: positions are held within this before any sum.
constexpr int kFarOff = 100000000;

}  // namespace

int truncX(double x) {
  if (!(x > -kFarOff)) return x < 0 ? -kFarOff : 0;  // NaN counts as 0
  if (x > kFarOff) return kFarOff;
  return static_cast<int>(x);
}

void Actor::stand() {
  motion = kStanding;
  walkTick = 0;
  // The poses of frames 10 and 11 stay until the character walks.
  if (frame < kLookDownFrame) frame = facing * 5;
}

void Actor::stopAtEdge(int edgeEvent) {
  motion = kStanding;
  walkTick = 0;
  frame = facing * 5;
  // Written whatever event runs; CurrentStep stays as it is.
  world::worldState().CurrentEvent = edgeEvent;
}

void Actor::walk(int direction) {
  motion = kWalking;
  facing = direction;
  x = direction ? x + speed : x - speed;
  // Counted before use, so a walk from standing shows its first phase 9 frames.
  if (++walkTick == kWalkTicks) walkTick = 0;
  const int* cycle = direction ? kRightCycle : kLeftCycle;
  frame = cycle[walkTick / 10];
}

void Actor::act(int action) {
  if (busy && action != kActLookDown && action != kActLookUp) action = kActStand;
  // Touch-trigger actors leave the snow alone; every other character treads it, standing too.
  if (mode != kModeTouch) trampleSnow(x);
  switch (action) {
    case kActStand:
      stand();
      break;
    case kActWalkLeft:
      // Checked before moving, so a character may end one step past the edge.
      if (x < 0.0f)
        stopAtEdge(world::EDGE_EVENT_LEFT);
      else
        walk(0);
      break;
    case kActWalkRight:
      if (double(x) + shownWidth() > double(kMapWidth))
        stopAtEdge(world::EDGE_EVENT_RIGHT);
      else
        walk(1);
      break;
    case kActLookDown:
      frame = kLookDownFrame;
      break;
    case kActLookUp:
      frame = kLookUpFrame;
      break;
  }
}

bool Actor::touchedByHero() {
  const auto& Hero = actorsState().Hero;
  if (mode != kModeTouch || world::worldState().CurrentEvent != 0 || eventNumber == 0 || !Hero)
    return false;
  const int hx = truncX(Hero->x), ax = truncX(x);
  // The hero's body, less 10 pixels on each side, lies inside the actor's span.
  return hx + 10 > ax && hx + Hero->shownWidth() - 10 < ax + shownWidth();
}

void Actor::nextStep() {
  stepTimer = 0;
  ++stepIndex;
  if (stepIndex >= kStepSlots || stepCodes[stepIndex] == kStepEnd) stepIndex = 0;
}

void Actor::update() {
  if (motion == kRemoved) return;
  if (busy) {
    // A scripted walk moves a busy character itself.
    if (world::worldState().WalkCounter == -1) act(kActStand);
    return;
  }
  if (touchedByHero()) {
    world::worldState().CurrentEvent = eventNumber;
    world::worldState().CurrentStep = 0;
    world::worldState().EventActor = -1;
    speechTimer = 0;
    eventNumber = 0;  // fires once
    return;
  }
  if (stepIndex < 0 || stepIndex >= kStepSlots) stepIndex = 0;
  if (stepCodes[stepIndex] == kStepSpeak) {
    speechTimer = kSpeechFrames;
    nextStep();
  }
  const int code = stepCodes[stepIndex];
  const int param = stepParams[stepIndex];
  switch (code) {
    case kStepStand:
      act(kActStand);
      break;
    case kStepWalkLeft:
      act(kActWalkLeft);
      break;
    case kStepWalkRight:
      act(kActWalkRight);
      break;
    case kStepPicture:
      act(kActStand);
      frame = param;
      break;
  }
  // A step whose parameter is 0 never ends, and then the speech timer stands still.
  if (param == 0) return;
  ++stepTimer;
  if (speechTimer > 0) --speechTimer;
  if (stepTimer == (code == kStepPicture ? kPictureFrames : param)) nextStep();
}

void Actor::draw() const {
  if (motion == kRemoved) return;
  const int d = truncX(x) - cameraX();
  // baseY comes from the map file; held to a range where the sums below stay exact.
  const int top = std::clamp(baseY, -kFarOff, kFarOff) - shownHeight();
  sprites->draw(d + common::kViewLeft, top, frame);
  if (speechTimer <= 0 || d <= 0 || d >= common::kViewWidth) return;
  display::PixelPage* page = display::displayState().APAGE.get();
  // A one-pixel outline around the face colour, 20 pixels left of the sprite, 5 rows above it.
  const int textX = d + common::kViewLeft - 20;
  gfx::drawText(page, textX - 1, top - 5, speech, kSpeechOutline);
  gfx::drawText(page, textX + 1, top - 5, speech, kSpeechOutline);
  gfx::drawText(page, textX, top - 6, speech, kSpeechOutline);
  gfx::drawText(page, textX, top - 4, speech, kSpeechOutline);
  gfx::drawText(page, textX, top - 5, speech, kSpeechFace);
}

}  // namespace actors
