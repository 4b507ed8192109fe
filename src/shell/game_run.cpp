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
  auto& s = shellState();
  auto& Music = audio::audioState().Music;
  Music = std::make_unique<audio::MusicPlayer>();
  Music->Open("1.mp3");  // a player that cannot open it simply stays silent
  std::snprintf(s.MapName, sizeof s.MapName, "%s", s.FirstMapName.c_str());
  actors::loadCommonResources(s.FirstHeroX);
  Music->Play();
  Music->volume = 0;
  runSceneCycle();
  Music.reset();
  actors::freeCommonResources();
  return 0;
}

int runGame() {
  platform::Backend& backend = platform::backend();
  if (!backend.createWindow("Pelmo")) return kStartUpFailed;
  // The window's events are handled inside every call of the game that waits.
  const bool started = StartUpEngine() != 0;
  if (started) playGame();
  ShutDownEngine();
  backend.destroyWindow();
  return started ? 0 : kStartUpFailed;
}

}  // namespace shell
