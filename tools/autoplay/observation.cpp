// observation.cpp -- reading the engine's globals for the autopilot
#include "autoplay/observation.h"

#include <cstdio>
#include <cstring>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/talk.h"
#include "display/palette.h"
#include "platform/encoding.h"
#include "shell/shell_state.h"
#include "visual/visual_mode.h"
#include "world/event_tables.h"

namespace autoplay {

Observation observeGame(uint64_t read) {
  Observation o;
  o.read = read;
  o.visual = visual::visualState().VisualPlaying != 0;
  o.visualWaiting = visual::visualState().VisualWaiting != 0;
  o.currentEvent = world::worldState().CurrentEvent;
  o.currentStep = world::worldState().CurrentStep;
  o.warpPending = world::worldState().WarpPending != 0;
  o.brightness = display::displayState().Brightness;
  o.gameRunning = shell::shellState().GameRunning != 0;
  o.textIndex = world::worldState().TextIndex;
  o.textShown = world::worldState().TextShown != 0;
  if (const actors::Actor* hero = actors::actorsState().Hero.get()) {
    o.hero = true;
    o.heroX = hero->x;
    o.heroSpeed = hero->speed;
    o.heroFacingRight = hero->facing == 1;
    o.heroBusy = hero->busy != 0;
    o.partner = actors::findTalkPartner(*hero);
  }
  o.mapName.assign(shell::shellState().MapName,
                   strnlen(shell::shellState().MapName, sizeof shell::shellState().MapName));
  std::memcpy(o.flags.data(), world::worldState().EventFlags,
              sizeof world::worldState().EventFlags);
  return o;
}

std::string describe(const Observation& o) {
  char text[400];
  const std::string map = platform::cp949ToUtf8(o.mapName);
  std::string hero = "no hero";
  if (o.hero) {
    std::snprintf(text, sizeof text, "hero x %.1f facing %s%s", o.heroX,
                  o.heroFacingRight ? "right" : "left", o.heroBusy ? " busy" : "");
    hero = text;
  }
  std::snprintf(text, sizeof text, "read %llu, map '%s', %s, event %d step %d%s%s%s%s%s",
                static_cast<unsigned long long>(o.read), map.c_str(), hero.c_str(), o.currentEvent,
                o.currentStep, o.warpPending ? ", warp pending" : "",
                o.textIndex != -1 ? (o.textShown ? ", balloon shown" : ", balloon typing") : "",
                o.visual ? (o.visualWaiting ? ", cut-scene waits for a key" : ", cut-scene") : "",
                o.gameRunning ? "" : ", game ended", o.partner >= 0 ? ", an actor in reach" : "");
  return text;
}

}  // namespace autoplay
