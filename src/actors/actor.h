// actor.h -- one character: the hero or a map actor, its walk, behaviour list and speech line
#pragma once

#include <cstdint>
#include <memory>

#include "common/geometry.h"
#include "gfx/sprite_pack.h"

namespace actors {

// What a character does for one frame.
enum ActorAction : int {
  kActStand = 0,
  kActWalkLeft = 1,
  kActWalkRight = 2,
  kActLookDown = 4,
  kActLookUp = 5,
};

// One step of a map actor's behaviour list; kStepEnd closes the list.
enum StepCode : int {
  kStepEnd = 0,
  kStepStand = 1,
  kStepWalkLeft = 2,
  kStepWalkRight = 3,
  kStepSpeak = 4,
  kStepPicture = 5,
};

enum Motion : int { kRemoved = -1, kStanding = 0, kWalking = 1 };

// Talkable with the talk key, or fired once by walking into it.
constexpr int kModeTalk = 0;
constexpr int kModeTouch = 2;

constexpr int kStepSlots = 30;
// The list's end code needs the last slot.
constexpr int kMaxSteps = kStepSlots - 1;
constexpr int kNameSize = 20;
constexpr int kSpeechSize = 255;
using common::kMapWidth;
// Frames a speak step keeps the speech line up, and a picture step shows its frame.
constexpr int kSpeechFrames = 60;
constexpr int kPictureFrames = 40;
constexpr int kLookDownFrame = 10;
constexpr int kLookUpFrame = 11;

struct Actor {
  float x = 0.0f;
  int32_t baseY = common::kBaseline;
  int32_t walkTick = 0;
  int32_t motion = kStanding;
  int32_t frame = 0;
  int32_t facing = 0;  // 0 left, 1 right
  char name[kNameSize] = {};
  std::unique_ptr<gfx::SpritePack> sprites = std::make_unique<gfx::SpritePack>();
  int32_t stepCodes[kStepSlots] = {};
  int32_t stepParams[kStepSlots] = {};
  char speech[kSpeechSize] = {};
  int32_t speechTimer = 0;
  int32_t stepIndex = 0;
  int32_t stepTimer = 0;
  float speed = 1.3f;
  int32_t eventNumber = 0;
  int32_t mode = kModeTalk;
  int32_t busy = 0;

  // One frame of an action (an ActorAction).
  void act(int action);
  // One frame of a map actor's own behaviour, or of its touch trigger.
  void update();
  // The frame and, while its timer runs, the speech line, into APAGE.
  void draw() const;

  int shownWidth() const { return sprites->width(frame); }
  int shownHeight() const { return sprites->height(frame); }

 private:
  void stand();
  void stopAtEdge(int edgeEvent);
  void walk(int direction);
  bool touchedByHero();
  void nextStep();
};

// A float map x truncated toward zero, held to a range where later sums cannot overflow.
int truncX(double x);

}  // namespace actors
