// event_ops_flow.cpp -- the end of an event, flags, conditional jumps, the warp and the game end
#include "actors/actor.h"
#include "actors/actors_state.h"
#include "display/palette.h"
#include "world/event_interpreter_ops.h"
#include "world/event_tables.h"

namespace world {
namespace {

// Null for a flag number outside the table.
int32_t* flagNamedBy(const char* text) {
  const int32_t flag = decimalValue(text);
  return flag >= 0 && flag < kFlagCount ? &worldState().EventFlags[flag] : nullptr;
}

}  // namespace

// Releases the hero and the talked-to actor; a touch event has no actor (-1).
Flow endEvent(const Step&) {
  WorldState& w = worldState();
  w.CurrentEvent = 0;
  w.CurrentStep = 0;
  if (actors::actorsState().Hero) actors::actorsState().Hero->busy = 0;
  if (w.EventActor != -1) {
    if (actors::Actor* a = sceneActor(w.EventActor)) a->busy = 0;
  }
  return Flow::kStay;
}

Flow setFlag(const Step& s) {
  if (int32_t* flag = flagNamedBy(s.str)) *flag = s.a1;
  return Flow::kNext;
}

// The jump keeps EventActor; the target's step 0 runs at the next call. A jump
// to 0 stops the interpreter without releasing anyone.
Flow jumpIfFlag(const Step& s) {
  WorldState& w = worldState();
  const int32_t* flag = flagNamedBy(s.str);
  if (!flag || *flag != s.a1 || s.a2 < 0 || s.a2 >= kEventCount) return Flow::kNext;
  w.CurrentEvent = s.a2;
  w.CurrentStep = 0;
  return Flow::kStay;
}

// The scene cycle reads the destination back from this step, the one before CurrentStep.
Flow startWarp(const Step&) {
  worldState().WarpPending = 1;
  return Flow::kNext;
}

// Told by runEventStep(), the frame loop stops the game and ends at its next test, without a
// fade-out.
Flow endGame(const Step&) {
  display::displayState().Brightness = 0;
  return Flow::kGameEnds;
}

}  // namespace world
