// game_checks.cpp -- what a map's place among the game's maps shows: flags, warps, starts
#include <set>
#include <string>

#include "maplint/map_lint.h"
#include "maplint/map_words.h"

namespace maplint {
namespace {

constexpr int kMapWidth = 1280;

void checkFlags(const MapFacts& facts, const std::set<int>& flagsSet, Findings& findings) {
  std::set<int> said;
  for (const auto& [flag, line] : facts.flagsRead)
    if (!flagsSet.count(flag) && said.insert(flag).second)
      findings.warning(line, "flag " + std::to_string(flag) + " is read but never set ('플러그 " +
                                 std::to_string(flag) + " V' in no map): it stays 0");
}

void checkWarps(const MapFacts& facts, const std::set<std::string>* mapNames, Findings& findings) {
  for (const Warp& w : facts.warps) {
    if (mapNames && !mapNames->count(w.map.name))
      findings.warning(w.map.line,
                       "warp to map '" + shown(w.map.name) + "', which is not among the maps");
    if (w.hasX && (w.x < 0 || w.x > kMapWidth))
      findings.warning(w.xLine, "warp to x " + std::to_string(w.x) +
                                    ", outside the map's 0..1280: the hero arrives off the map");
  }
}

// Events start on entry (99), at the edges (97, 98), by talking to or touching an actor
// that carries them, and by a jump from an event that starts.
void checkStarts(const MapFacts& facts, Findings& findings) {
  std::set<int> started = {world::ENTRY_EVENT, world::EDGE_EVENT_LEFT, world::EDGE_EVENT_RIGHT};
  for (const ActorFacts& a : facts.actors)
    if (a.event > 0 && (a.mode == actors::kModeTalk || a.mode == actors::kModeTouch))
      started.insert(a.event);
  for (bool grew = true; grew;) {
    grew = false;
    for (const Jump& j : facts.jumps)
      if (started.count(j.from) && started.insert(j.to).second) grew = true;
  }
  for (const auto& [event, line] : facts.events)
    if (event != 0 && !started.count(event))
      findings.warning(line, "event " + std::to_string(event) +
                                 " never starts: no talkable or touchable actor carries it "
                                 "and no event that starts jumps to it");
}

}  // namespace

void checkAmongMaps(const MapFacts& facts, const std::set<int>& flagsSet,
                    const std::set<std::string>* mapNames, Findings& findings) {
  checkFlags(facts, flagsSet, findings);
  checkWarps(facts, mapNames, findings);
  checkStarts(facts, findings);
}

}  // namespace maplint
