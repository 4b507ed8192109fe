// screen.h -- what the display shows: presented frames, shots, and the frame clock
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/video.h"

namespace platform {

// Called when the primary surface was flipped (wait = true) or blitted directly.
// Counts the presented frame, shows it and runs the per-frame hooks.
void presentScreen(bool wait);
// Headless: a wait that presents no frame (a sleep) counts toward the stop after
// stopAfter frames, so that no loop of the game runs without end.
void countWaitWithoutFrame();
// Content or palette of the screen changed without a new frame (an unlock, SetEntries).
void refreshScreen();

uint64_t presentedFrames();
// The clock of a run without a display to wait for: each presented frame is a 60th of a
// second, so time-based game logic repeats exactly from run to run.
uint32_t virtualMillis();
// False once a --shot could not be written (each is told on stderr as it fails).
bool allShotsWritten();

// The current screen converted through its palette to 8-bit RGB, row by row.
std::vector<uint8_t> screenRgb();

struct ScreenHooks {
  std::vector<std::pair<uint64_t, std::string>> shots;  // frame -> PNG path
  uint64_t loseSurfacesAt = 0;                          // 0: never
  uint64_t stopAfter = 0;                               // 0: never
};
void setScreenHooks(const ScreenHooks& hooks);
void resetScreen();

}  // namespace platform
