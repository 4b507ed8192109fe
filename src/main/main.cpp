// main.cpp -- the `game` program: options, backend choice, start
#include <cstdio>

#include "main/data_folder_entry.h"
#include "platform/backend.h"
#include "platform/headless/headless_backend.h"
#include "platform/keyboard.h"
#include "platform/quit.h"
#include "platform/screen.h"
#include "platform/window_backend.h"
#include "shell/command_line.h"
#include "shell/game.h"
#include "shell/game_run.h"
#include "shell/shell_state.h"
#include "shell/state_dump.h"

namespace {

int usageError(const std::string& message) {
  std::fprintf(stderr, "game: %s\n", message.c_str());
  return 2;
}

bool chooseBackend(const shell::Options& o, std::string& error) {
  if (o.headless) {
    platform::setBackend(platform::makeHeadlessBackend());
    return true;
  }
  platform::WindowOptions window;
  window.fullScreen = !o.window;
  window.scale = o.scale;
  auto b = platform::makeWindowBackend(window, error);
  if (!b) return false;
  platform::setBackend(std::move(b));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  shell::Options o;
  std::string error;
  if (!shell::parseCommandLine(argc, argv, o, error)) return usageError(error);
  if (o.help) {
    std::fputs(shell::usageText(), stdout);
    return 0;
  }
  if (o.version) {
    std::printf("game (Pelmo engine) %s\n", PELMO_VERSION);
    return 0;
  }
  if (!game_main::enterDataFolder(o, error)) return usageError(error);
  if (!o.inputScript.empty() && !platform::useKeyScript(o.inputScript, error))
    return usageError(error);
  if (!o.recordScript.empty() && !platform::recordKeyScript(o.recordScript, error))
    return usageError(error);
  platform::quitOnSignals();
  if (!chooseBackend(o, error)) return usageError(error);

  platform::ScreenHooks hooks;
  hooks.shots = o.shots;
  hooks.loseSurfacesAt = o.loseSurfacesAt;
  hooks.stopAfter = o.frames;
  platform::setScreenHooks(hooks);
  // The game and its state from here on; the start's settings are part of that state.
  shell::Game game;
  shell::shellState().SeedOverride = o.seed;
  if (o.mapName) shell::shellState().FirstMapName = *o.mapName;
  if (o.heroX) shell::shellState().FirstHeroX = *o.heroX;

  shell::keepStateDumpAtStop();

  const int status = shell::runGame();

  platform::finishKeyRecording();
  if (!o.dumpPath.empty() && !shell::writeStateDump(o.dumpPath, error))
    std::fprintf(stderr, "game: %s\n", error.c_str());
  platform::setBackend(nullptr);
  return status;
}
