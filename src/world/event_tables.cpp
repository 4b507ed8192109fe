// event_tables.cpp -- storage and per-map reset of the event tables
#include "world/event_tables.h"

#include <algorithm>
#include <cstring>

namespace world {

int32_t EventOps[kEventCount][kStepCount];
int32_t EventArg1[kEventCount][kStepCount];
int32_t EventArg2[kEventCount][kStepCount];
char EventStr[kEventCount][kStepCount][kCellSize];
char TextLines[kTextLineCount][kCellSize];
int32_t TextIndex = 0;

int32_t CurrentEvent = 0;
int32_t CurrentStep = 0;
int32_t EventActor = 0;
int32_t WarpPending = 0;
int32_t WalkCounter = -1;
int32_t TextTicker = 0;
int32_t TextShown = 0;
int32_t IconOwner = -1;
int32_t IconKind = 0;
int32_t IconTicker = 0;
int32_t EventFlags[kFlagCount];

namespace {
// For each event, the steps whose string cells may be written since the last reset.
int32_t strStepsUsed[kEventCount];
}  // namespace

char* eventStrCell(int n, int s) {
  strStepsUsed[n] = std::max(strStepsUsed[n], int32_t(s + 1));
  return EventStr[n][s];
}

void resetEventTables() {
  std::fill(&EventOps[0][0], &EventOps[0][0] + kEventCount * kStepCount, -1);
  TextIndex = 0;
  for (int n = 0; n < kEventCount; ++n) {
    std::memset(EventStr[n], 0, size_t(strStepsUsed[n]) * kCellSize);
    strStepsUsed[n] = 0;
  }
  std::memset(EventArg1, 0, sizeof EventArg1);
  std::memset(EventArg2, 0, sizeof EventArg2);
  std::memset(TextLines, 0, sizeof TextLines);
  CurrentEvent = CurrentStep = TextTicker = TextShown = EventActor = 0;
}

void resetWorldGlobals() {
  resetEventTables();
  std::memset(EventStr, 0, sizeof EventStr);  // whatever wrote it, and however
  WarpPending = IconKind = IconTicker = 0;
  WalkCounter = IconOwner = -1;
  std::memset(EventFlags, 0, sizeof EventFlags);
}

}  // namespace world
