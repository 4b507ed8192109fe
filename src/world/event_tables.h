// event_tables.h -- the event tables of the running map and the interpreter's state
#pragma once

#include <cstdint>

#include "world/event_language.h"

namespace world {

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

extern int32_t EventOps[kEventCount][kStepCount];
extern int32_t EventArg1[kEventCount][kStepCount];
extern int32_t EventArg2[kEventCount][kStepCount];
extern char EventStr[kEventCount][kStepCount][kCellSize];
extern char TextLines[kTextLineCount][kCellSize];
extern int32_t TextIndex;

extern int32_t CurrentEvent;
extern int32_t CurrentStep;
extern int32_t EventActor;
extern int32_t WarpPending;
extern int32_t WalkCounter;
extern int32_t TextTicker;
extern int32_t TextShown;
extern int32_t IconOwner;
extern int32_t IconKind;
extern int32_t IconTicker;
// Game-wide flags: cleared once at the start of the game, never per map.
extern int32_t EventFlags[kFlagCount];

// The string cell of step s of event n, for the map reader to write: the per-map
// reset clears only the cells handed out since the last reset, not all 5 MB of
// EventStr. Nothing else writes EventStr.
char* eventStrCell(int n, int s);

// The per-map reset of the scene cycle, in its order.
void resetEventTables();
// Everything back to the state before the game (tests).
void resetWorldGlobals();

}  // namespace world
