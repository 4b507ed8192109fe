// shell_state.cpp -- storage of the game thread's state
#include "shell/shell_state.h"

#include <cstring>

namespace shell {

char MapName[256];
char FrameText[256];
int GameRunning = 1;
std::optional<uint32_t> SeedOverride;
std::string FirstMapName = kFirstMap;
float FirstHeroX = kFirstHeroX;

void resetShellGlobals() {
  std::memset(MapName, 0, sizeof MapName);
  std::memset(FrameText, 0, sizeof FrameText);
  GameRunning = 1;
  SeedOverride.reset();
  FirstMapName = kFirstMap;
  FirstHeroX = kFirstHeroX;
}

}  // namespace shell
