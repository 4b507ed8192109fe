// talk.cpp -- which map actor the hero talks to, and what starting the talk changes
#include "actors/talk.h"

#include "actors/actor.h"
#include "actors/camera.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace actors {

int findTalkPartner(const Actor& hero) {
  const world::Scene* scene = world::worldState().CurrentScene.get();
  if (!scene) return -1;
  const int f = hero.facing;
  const double c = double(hero.x) + 20.0;
  // From x - 25 to x - 20 facing left, from x + 60 to x + 65 facing right.
  const int a = truncX(c + (80 * f - 40));
  const int b = truncX(c + (90 * f - 45));
  for (int i = 0; i < scene->actorCount; ++i) {
    const Actor* actor = scene->actors[i].get();
    if (!actor || actor->mode != kModeTalk || actor->eventNumber == 0) continue;
    if (spansOverlap(a, b, truncX(actor->x), truncX(double(actor->x) + 40.0))) return i;
  }
  return -1;
}

void startTalk(Actor& hero, int actorIndex) {
  Actor& actor = *world::worldState().CurrentScene->actors[actorIndex];
  hero.busy = 1;
  actor.busy = 1;
  world::worldState().EventActor = actorIndex;
  world::worldState().CurrentEvent = actor.eventNumber;
  actor.speechTimer = 0;
  actor.facing = actor.x <= hero.x ? 1 : 0;
}

}  // namespace actors
