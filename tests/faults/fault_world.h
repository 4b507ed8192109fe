// fault_world.h -- a small game for the fault tests, and running it headless with a clock
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace faults {

// Map "20": event 99 opens a balloon while the map fades in (Space closes it at read 60), walks the
// hero right for 40 frames and warps to map "30" at x 300. Map "30": event 99 plays the cut-scene
// "v" (twenty letters, one a frame) and ends the game.
void writeFaultWorld();

// The frames at which the game of writeFaultWorld is in each state (checked by the tests).
constexpr int kInFade = 10;
constexpr int kInBalloon = 55;
constexpr int kInWalk = 80;
constexpr int kInWarp = 120;
constexpr int kInCutScene = 165;

struct GameRun {
  int status = -1;
  std::string errors;  // stderr: the message boxes, "title: text" a line
  std::string dump;    // the state dump
};

// Runs `game --headless --input keys --dump` with more arguments in the current folder.
GameRun runHeadless(const std::vector<std::string>& more);

// The number after "key": in text (-999 when absent).
double number(const std::string& text, const std::string& key);
// The object "key": {...} of the dump.
std::string object(const std::string& dump, const std::string& key);

}  // namespace faults
