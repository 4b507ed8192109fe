// shell_state.h -- the game thread's own state: map name, counter text, running flag
#pragma once

#include <cstdint>
#include <optional>

namespace shell {

// The name of the map to load next ("20" at the start of the game).
extern char MapName[256];
// The frame-counter text drawn every frame.
extern char FrameText[256];
// The frame loop runs while non-zero; the game-end command clears it for good.
extern int GameRunning;
// The seed given on the command line; without it the clock seeds the generator.
extern std::optional<uint32_t> SeedOverride;

void resetShellGlobals();

}  // namespace shell
