// event_tables.h -- the event tables of the running map and the interpreter's state
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "common/bound_state.h"
#include "world/event_language.h"

namespace world {

struct Scene;

constexpr int kEventCount = 101;
constexpr int kStepCount = 200;
constexpr int kCellSize = 255;
constexpr int kTextLineCount = 501;
constexpr int kFlagCount = 100;
// The bubble pack holds six frames for each of the icon kinds 0 to 7 in its 50 slots.
constexpr int kIconKinds = 8;

constexpr int ENTRY_EVENT = 99;
constexpr int EDGE_EVENT_LEFT = 97;
constexpr int EDGE_EVENT_RIGHT = 98;

// The event tables of the running map: plain arrays, made zero by the system's zeroed
// pages (makeEventTables), so that the 5 MB of string cells no map writes stay untouched.
struct EventTables {
  int32_t EventOps[kEventCount][kStepCount];
  int32_t EventArg1[kEventCount][kStepCount];
  int32_t EventArg2[kEventCount][kStepCount];
  char EventStr[kEventCount][kStepCount][kCellSize];
  char TextLines[kTextLineCount][kCellSize];
};
struct FreeEventTables {
  void operator()(EventTables* tables) const;
};
using EventTablesPtr = std::unique_ptr<EventTables, FreeEventTables>;
// All zero.
EventTablesPtr makeEventTables();

// The world's state: the event tables of the running map, the interpreter, the balloons it
// opens, the game-wide flags and the running map's Scene.
struct WorldState {
  EventTablesPtr tables = makeEventTables();
  // While a map loads: the next free row of TextLines.
  int32_t NextTextLine = 0;
  // For each event, the steps whose string cells may have been written since the last
  // reset, so that the reset clears only those and not all of EventStr.
  int32_t StrStepsUsed[kEventCount] = {};

  int32_t CurrentEvent = 0;
  int32_t CurrentStep = 0;
  int32_t EventActor = 0;
  int32_t WarpPending = 0;
  int32_t WalkCounter = -1;
  // While playing: the first row of the open text balloon, -1 when none is open.
  int32_t TextIndex = 0;
  int32_t TextTicker = 0;
  int32_t TextShown = 0;
  int32_t IconOwner = -1;
  int32_t IconKind = 0;
  int32_t IconTicker = 0;
  // Game-wide flags: cleared once at the start of the game, never per map.
  int32_t EventFlags[kFlagCount] = {};

  // Told of each step of an event as it starts (event, step), when set: the tracer.
  std::function<void(int, int)> stepObserver;

  // The Scene of the running map; made and destroyed by the scene cycle.
  std::unique_ptr<Scene> CurrentScene;

  WorldState();
  ~WorldState();
};

// The running game's world state, owned by the game object, which binds it.
inline WorldState& worldState() { return common::Bound<WorldState>::get(); }
// Its event tables.
inline EventTables& eventTables() { return *worldState().tables; }

// The string cell of step s of event n, for the map reader to write (nothing else writes
// EventStr): the cells handed out are counted in StrStepsUsed.
char* eventStrCell(int n, int s);

// The per-map reset of the scene cycle, in its order.
void resetEventTables();

}  // namespace world
