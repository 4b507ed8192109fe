// event_interpreter.cpp -- the guards of runEventStep and the dispatch of its opcodes
#include "world/event_interpreter.h"

#include "actors/actor.h"
#include "world/event_interpreter_ops.h"
#include "world/event_language.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace world {
namespace {

using Handler = Flow (*)(const Step&);

constexpr Handler handlerFor(int op) {
  switch (op) {
    case kOpEnd:
      return endEvent;
    case kOpText:
      return openText;
    case kOpFlag:
      return setFlag;
    case kOpIf:
      return jumpIfFlag;
    case kOpVisual:
      return playVisual;
    case kOpWarp:
      return startWarp;
    case kOpIcon:
      return openIcon;
    case kOpActorFaceLeft:
      return actorFaceLeft;
    case kOpActorFaceRight:
      return actorFaceRight;
    case kOpActorWalkLeft:
      return actorWalkLeft;
    case kOpActorWalkRight:
      return actorWalkRight;
    case kOpActorVanish:
      return actorVanish;
    case kOpCamera:
      return setCamera;
    case kOpHeroHold:
      return heroHold;
    case kOpHeroRelease:
      return heroRelease;
    case kOpHeroFaceLeft:
      return heroFaceLeft;
    case kOpHeroFaceRight:
      return heroFaceRight;
    case kOpHeroMove:
      return heroMove;
    case kOpHeroWalkLeft:
      return heroWalkLeft;
    case kOpHeroWalkRight:
      return heroWalkRight;
    case kOpHeroLookDown:
      return heroLookDown;
    case kOpHeroLookUp:
      return heroLookUp;
    case kOpGameEnd:
      return endGame;
    default:
      return nullptr;  // no keyword makes it: a step that does nothing
  }
}

// Every keyword's opcode runs a handler of its own.
constexpr bool everyKeywordHandled() {
  for (const EventKeyword& k : kEventKeywords)
    if (!handlerFor(k.op)) return false;
  return true;
}
// The sanitizers' builds cannot compare function addresses at compile time; the others check.
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_UNDEFINED__)
static_assert(everyKeywordHandled(), "an event keyword without a step handler");
#endif

// A place outside the tables reads as the end of the event: a row that the
// reader filled to its last step has no end mark of its own.
Step stepAt(int e, int s, int& op) {
  if (e < 0 || e >= kEventCount || s < 0 || s >= kStepCount) {
    op = kOpEnd;
    return Step{e, s, "", 0, 0};
  }
  op = eventTables().EventOps[e][s];
  return Step{e, s, eventTables().EventStr[e][s], eventTables().EventArg1[e][s],
              eventTables().EventArg2[e][s]};
}

}  // namespace

actors::Actor* sceneActor(int32_t slot) {
  const Scene* scene = worldState().CurrentScene.get();
  if (!scene || slot < 0 || slot >= scene->actorCount) return nullptr;
  return scene->actors[slot].get();
}

bool runEventStep() {
  WorldState& w = worldState();
  if (w.CurrentEvent == 0 || w.TextIndex != -1 || w.WarpPending != 0) return true;
  for (;;) {
    int op = 0;
    const Step step = stepAt(w.CurrentEvent, w.CurrentStep, op);
    // A scripted walk runs its step again in each frame until it ends; it starts once.
    if (w.stepObserver && w.WalkCounter == -1) w.stepObserver(step.event, step.step);
    if (op < kOpLowest || op > kOpHighest) {
      ++w.CurrentStep;
      return true;
    }
    const Handler handler = handlerFor(op);
    const Flow flow = handler ? handler(step) : Flow::kNext;
    if (flow == Flow::kStay) return true;
    ++w.CurrentStep;
    if (flow == Flow::kGameEnds) return false;
    if (flow == Flow::kNext) return true;
  }
}

}  // namespace world
