// event_ops_actors.cpp -- event steps that hold, turn, move, walk and remove the hero and map
// actors
#include "actors/actor.h"
#include "actors/actors_state.h"
#include "world/event_interpreter_ops.h"
#include "world/event_tables.h"

namespace world {
namespace {

using actors::Actor;

// A walk moves c on `frames` calls and ends on the call after; the step
// repeats until then. c is freed around its action so that it walks, and
// stays held afterwards.
Flow scriptedWalk(Actor* c, int action, int32_t frames) {
  if (!c) return Flow::kNext;
  ++worldState().WalkCounter;
  if (worldState().WalkCounter == frames) {
    worldState().WalkCounter = -1;
    return Flow::kNext;
  }
  c->busy = 0;
  c->act(action);
  c->busy = 1;
  return Flow::kStay;
}

}  // namespace

Flow heroHold(const Step&) {
  actors::ActorsState& a = actors::actorsState();
  if (a.Hero) a.Hero->busy = 1;
  return Flow::kNext;
}

Flow heroRelease(const Step&) {
  actors::ActorsState& a = actors::actorsState();
  if (a.Hero) a.Hero->busy = 0;
  return Flow::kNext;
}

Flow heroFaceLeft(const Step&) {
  actors::ActorsState& a = actors::actorsState();
  if (a.Hero) a.Hero->facing = 0;
  return Flow::kNext;
}

Flow heroFaceRight(const Step&) {
  actors::ActorsState& a = actors::actorsState();
  if (a.Hero) a.Hero->facing = 1;
  return Flow::kNext;
}

Flow heroMove(const Step& s) {
  actors::ActorsState& a = actors::actorsState();
  if (a.Hero) a.Hero->x = float(s.a1);
  return Flow::kNext;
}

Flow heroWalkLeft(const Step& s) {
  return scriptedWalk(actors::actorsState().Hero.get(), actors::kActWalkLeft, s.a1);
}
Flow heroWalkRight(const Step& s) {
  return scriptedWalk(actors::actorsState().Hero.get(), actors::kActWalkRight, s.a1);
}

// Poses are allowed while the hero is held.
Flow heroLookDown(const Step&) {
  actors::ActorsState& a = actors::actorsState();
  if (a.Hero) a.Hero->act(actors::kActLookDown);
  return Flow::kNext;
}

Flow heroLookUp(const Step&) {
  actors::ActorsState& a = actors::actorsState();
  if (a.Hero) a.Hero->act(actors::kActLookUp);
  return Flow::kNext;
}

Flow actorFaceLeft(const Step& s) {
  if (Actor* a = sceneActor(s.a1)) a->facing = 0;
  return Flow::kNext;
}

Flow actorFaceRight(const Step& s) {
  if (Actor* a = sceneActor(s.a1)) a->facing = 1;
  return Flow::kNext;
}

Flow actorWalkLeft(const Step& s) {
  return scriptedWalk(sceneActor(s.a1), actors::kActWalkLeft, s.a2);
}

Flow actorWalkRight(const Step& s) {
  return scriptedWalk(sceneActor(s.a1), actors::kActWalkRight, s.a2);
}

// Removed for good: no longer updated, drawn, talked to or touched.
Flow actorVanish(const Step& s) {
  if (Actor* a = sceneActor(s.a1)) {
    a->motion = actors::kRemoved;
    a->busy = 0;
    a->eventNumber = 0;
  }
  return Flow::kNext;
}

}  // namespace world
