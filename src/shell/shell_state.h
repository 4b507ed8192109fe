// shell_state.h -- the game thread's own state: map name, counter text, running flag
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace shell {

// The name of the map to load next (FirstMapName at the start of the game).
extern char MapName[256];
// Where the game starts: the first map (code page 949) and the hero's x on it, "20" and
// 10.0 unless the command line names others.
constexpr const char* kFirstMap = "20";
constexpr float kFirstHeroX = 10.0f;
extern std::string FirstMapName;
extern float FirstHeroX;
// The frame-counter text drawn every frame.
extern char FrameText[256];
// The frame loop runs while non-zero; the game-end command clears it for good.
extern int GameRunning;
// The seed given on the command line; without it the clock seeds the generator.
extern std::optional<uint32_t> SeedOverride;

void resetShellGlobals();

}  // namespace shell
