// shell_state.h -- the shell's own state: map name, counter text, running flag
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/bound_state.h"
#include "platform/file_watch.h"
#include "shell/scene_cycle.h"

namespace shell {

// Where the game starts: the first map (code page 949) and the hero's x on it, "20" and
// 10.0 unless the command line names others.
constexpr const char* kFirstMap = "20";
constexpr float kFirstHeroX = 10.0f;

// The shell's state: where the game starts and which map is next, the frame loop's
// counter and clock, the talk key's history and whether the game still runs.
struct ShellState {
  // The name of the map to load next (FirstMapName at the start of the game).
  char MapName[256] = {};
  std::string FirstMapName = kFirstMap;
  float FirstHeroX = kFirstHeroX;
  // The frame-counter text drawn every frame, unless the player's settings hide it.
  char FrameText[256] = {};
  bool frameCounterShown = true;
  // The frame loop runs while non-zero; the game-end command clears it for good.
  int GameRunning = 1;
  // The seed given on the command line; without it the clock seeds the generator.
  std::optional<uint32_t> SeedOverride;
  FrameClock clock;
  TalkKey talkKey;
  // The state dump of the moment the game first saw a quit request, once one came.
  std::string dumpAtStop;
  // With --watch, the watcher of the running map's files; null otherwise.
  std::unique_ptr<platform::FileWatcher> watcher;
};

// The running game's shell state, owned by the game object, which binds it.
inline ShellState& shellState() { return common::Bound<ShellState>::get(); }

}  // namespace shell
