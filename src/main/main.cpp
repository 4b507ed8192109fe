// main.cpp -- the `game` program: options, backend choice, start
#include <unistd.h>

#include <cstdio>

#include "platform/backend.h"
#include "platform/data_file.h"
#include "platform/data_folder.h"
#include "platform/encoding.h"
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

// The working folder, to name in messages about the data.
std::string workingFolder() {
  char path[4096];
  return getcwd(path, sizeof path) ? path : ".";
}

// A map asked for on the command line is looked for where the game will open it, so that a
// misspelt name is told at once and not after a window has opened.
std::string missingMapError(const std::string& cp949Name) {
  const std::string path = platform::nativePath(("map\\" + cp949Name + ".if").c_str());
  if (access(path.c_str(), R_OK) == 0) return {};
  const std::string name = platform::cp949ToUtf8(cp949Name);
  return "no map " + name + " (map/" + name + ".if not found in " + workingFolder() + ")";
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
  const std::string dataDir =
      platform::chooseDataFolder(o.dataDir, platform::installedDataFolder());
  if (dataDir != "." && chdir(dataDir.c_str()) != 0)
    return usageError("cannot change to the data folder '" + dataDir + "'");
  if (o.mapName) {
    error = missingMapError(*o.mapName);
    if (!error.empty()) return usageError(error);
  }
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
