// game_thread.cpp -- the game thread and the window thread's order of work
#include "shell/game_thread.h"

#include <cstdio>

#include "actors/common_resources.h"
#include "audio/music_player.h"
#include "platform/backend.h"
#include "platform/window.h"
#include "shell/scene_cycle.h"
#include "shell/shell_state.h"
#include "shell/startup.h"

namespace shell {

int GameThreadProc() {
  audio::Music = new audio::MusicPlayer;
  audio::Music->Open("1.mp3");  // a player that cannot open it simply stays silent
  std::snprintf(MapName, sizeof MapName, "%s", FirstMapName.c_str());
  actors::loadCommonResources(FirstHeroX);
  audio::Music->Play();
  audio::Music->volume = 0;
  runSceneCycle();
  delete audio::Music;
  audio::Music = nullptr;
  actors::freeCommonResources();
  platform::setAppRunning(0);
  return 0;
}

int runWindowThread() {
  platform::Backend& backend = platform::backend();
  if (!backend.createWindow("Pelmo")) return 0;
  if (StartUpEngine()) {
    platform::startGameThread([] { GameThreadProc(); });
    backend.pumpWhileRunning();
    // Closing the window ends the game thread wherever it is, without its own frees.
    platform::requestGameStop();
    platform::waitGameThreadQuiet(2000);
  }
  ShutDownEngine();
  backend.destroyWindow();
  return 0;
}

}  // namespace shell
