// event_tables.cpp -- the world's state and the per-map reset of the event tables
#include "world/event_tables.h"

#include <algorithm>
#include <cstring>

#include "world/scene.h"

namespace world {
namespace {
WorldState* bound = nullptr;
}  // namespace

// Out of line: the Scene is complete here.
WorldState::WorldState() = default;
WorldState::~WorldState() = default;

WorldState& worldState() { return *bound; }
void bindWorldState(WorldState* state) { bound = state; }

char* eventStrCell(int n, int s) {
  WorldState& w = worldState();
  w.StrStepsUsed[n] = std::max(w.StrStepsUsed[n], int32_t(s + 1));
  return w.EventStr[n][s];
}

void resetEventTables() {
  WorldState& w = worldState();
  std::fill(&w.EventOps[0][0], &w.EventOps[0][0] + kEventCount * kStepCount, -1);
  w.TextIndex = 0;
  w.NextTextLine = 0;
  for (int n = 0; n < kEventCount; ++n) {
    std::memset(w.EventStr[n], 0, size_t(w.StrStepsUsed[n]) * kCellSize);
    w.StrStepsUsed[n] = 0;
  }
  std::memset(w.EventArg1, 0, sizeof w.EventArg1);
  std::memset(w.EventArg2, 0, sizeof w.EventArg2);
  std::memset(w.TextLines, 0, sizeof w.TextLines);
  w.CurrentEvent = w.CurrentStep = w.TextTicker = w.TextShown = w.EventActor = 0;
}

}  // namespace world
