// event_tables.cpp -- the world's state and the per-map reset of the event tables
#include "world/event_tables.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "world/scene.h"

namespace world {
// Out of line: the Scene is complete here.
WorldState::WorldState() = default;
WorldState::~WorldState() = default;

void FreeEventTables::operator()(EventTables* tables) const { std::free(tables); }

// calloc gives zeroed memory, and a large block comes as fresh pages that stay untouched
// until written; the arrays of the tables begin their lives in it with those zeros.
EventTablesPtr makeEventTables() {
  void* block = std::calloc(1, sizeof(EventTables));
  if (!block) throw std::bad_alloc();
  return EventTablesPtr(static_cast<EventTables*>(block));
}

char* eventStrCell(int n, int s) {
  WorldState& w = worldState();
  w.StrStepsUsed[n] = std::max(w.StrStepsUsed[n], int32_t(s + 1));
  return w.tables->EventStr[n][s];
}

void resetEventTables() {
  WorldState& w = worldState();
  EventTables& t = *w.tables;
  std::fill(&t.EventOps[0][0], &t.EventOps[0][0] + kEventCount * kStepCount, -1);
  w.TextIndex = 0;
  w.NextTextLine = 0;
  for (int n = 0; n < kEventCount; ++n) {
    std::memset(t.EventStr[n], 0, size_t(w.StrStepsUsed[n]) * kCellSize);
    w.StrStepsUsed[n] = 0;
  }
  std::memset(t.EventArg1, 0, sizeof t.EventArg1);
  std::memset(t.EventArg2, 0, sizeof t.EventArg2);
  std::memset(t.TextLines, 0, sizeof t.TextLines);
  w.CurrentEvent = w.CurrentStep = w.TextTicker = w.TextShown = w.EventActor = 0;
}

}  // namespace world
