// game_run.cpp -- the game from its window to its shutdown, all on the main thread
#include "shell/game_run.h"

#include <cstdio>

#include "actors/common_resources.h"
#include "audio/music_player.h"
#include "platform/backend.h"
#include "shell/scene_cycle.h"
#include "shell/shell_state.h"
#include "shell/startup.h"

namespace shell {

int playGame() {
  audio::Music = new audio::MusicPlayer;
  audio::Music->Open("1.mp3");  // a player that cannot open it simply stays silent
  std::snprintf(shellState().MapName, sizeof shellState().MapName, "%s",
                shellState().FirstMapName.c_str());
  actors::loadCommonResources(shellState().FirstHeroX);
  audio::Music->Play();
  audio::Music->volume = 0;
  runSceneCycle();
  delete audio::Music;
  audio::Music = nullptr;
  actors::freeCommonResources();
  return 0;
}

int runGame() {
  platform::Backend& backend = platform::backend();
  if (!backend.createWindow("Pelmo")) return 0;
  // The window's events are handled inside every call of the game that waits.
  if (StartUpEngine()) playGame();
  ShutDownEngine();
  backend.destroyWindow();
  return 0;
}

}  // namespace shell
