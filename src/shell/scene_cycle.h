// scene_cycle.h -- the per-map scene cycle and the frame loop
#pragma once

#include <cstdint>

namespace shell {

// Runs maps, from MapName on, until the game ends (Escape with no warp
// pending, or the game-end command) or is asked to quit.
void runSceneCycle();

// The pieces of the cycle, for tests.
void beginScene();
// One frame; false when Escape or a quit request left the loop.
bool runFrame();
void endScene();
// Pure helpers of the frame.
// Frames counted over each second, for the counter text.
struct FrameClock {
  uint32_t lastTick = 0;
  int framesPerSecond = 0;
  int frameCount = 0;
};
struct TalkKey {
  uint8_t history = 0;
  // True on a press that acts: Space down now and up in each of the 8 frames before.
  bool freshPress(bool spaceDown) const { return spaceDown && history == 0; }
  // Shifts in this frame's state; an acting press is not shifted first.
  void advance(bool acted, bool spaceDown) {
    if (!acted) history = static_cast<uint8_t>(history << 1);
    if (spaceDown) history |= 1;
  }
};
// The tint of a map by the second character of its name.
void tintForMap(const char* mapName);

}  // namespace shell
