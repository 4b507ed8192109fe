// event_interpreter_ops.h -- the step handlers of the event interpreter, by area
#pragma once

#include <cstdint>

namespace actors {
struct Actor;
}

namespace world {

// One step of the running event, as the interpreter found it.
struct Step {
  int event;
  int step;
  const char* str;  // EventStr of the step
  int32_t a1;
  int32_t a2;
};

// What the interpreter does after a handler.
enum class Flow {
  kNext,      // the step is done; the next one runs at the next call
  kStay,      // CurrentEvent and CurrentStep are as the handler left them
  kGoOn,      // the step is done and the next one runs in this same call
  kGameEnds,  // the step is done and the game ends: runEventStep() returns false
};

// Flow and flags: end of event, flag, conditional jump, warp, game end.
Flow endEvent(const Step& s);
Flow setFlag(const Step& s);
Flow jumpIfFlag(const Step& s);
Flow startWarp(const Step& s);
Flow endGame(const Step& s);

// The hero and the map actors.
Flow heroHold(const Step& s);
Flow heroRelease(const Step& s);
Flow heroFaceLeft(const Step& s);
Flow heroFaceRight(const Step& s);
Flow heroMove(const Step& s);
Flow heroWalkLeft(const Step& s);
Flow heroWalkRight(const Step& s);
Flow heroLookDown(const Step& s);
Flow heroLookUp(const Step& s);
Flow actorFaceLeft(const Step& s);
Flow actorFaceRight(const Step& s);
Flow actorWalkLeft(const Step& s);
Flow actorWalkRight(const Step& s);
Flow actorVanish(const Step& s);

// What the player sees: text and icon balloons, the camera, visual mode.
Flow openText(const Step& s);
Flow openIcon(const Step& s);
Flow setCamera(const Step& s);
Flow playVisual(const Step& s);

// Map actor in slot i of the current Scene, or null when there is none.
actors::Actor* sceneActor(int32_t slot);

}  // namespace world
