// main.cpp -- the `game` program: options, backend choice, start
#include <cstdio>
#include <filesystem>

#include "main/data_folder_entry.h"
#include "platform/backend.h"
#include "platform/headless/headless_backend.h"
#include "platform/keyboard.h"
#include "platform/quit.h"
#include "platform/screen.h"
#include "platform/settings.h"
#include "platform/terminal_text.h"
#include "platform/window_backend.h"
#include "shell/command_line.h"
#include "shell/game.h"
#include "shell/game_run.h"
#include "shell/shell_state.h"
#include "shell/state_dump.h"
#include "shell/tracer.h"

namespace {

// An option the game cannot follow: nothing has run yet.
constexpr int kUsageError = 2;
// A file the run was to write (--dump, --shot, --record) could not be written.
constexpr int kOutputFailed = 1;

int usageError(const std::string& message) {
  platform::printErrorLine("game: " + message);
  return kUsageError;
}

int outputFailed(const char* what, const std::string& reason) {
  platform::printErrorLine(std::string("game: ") + what + " not written: " + reason);
  return kOutputFailed;
}

// The settings file of this run, named before the game moves to its data folder. A
// headless run reads settings only from a file that --settings names, so that no test
// depends on a player's own.
std::string settingsFileOf(const shell::Options& o) {
  if (o.settingsPath.empty()) return o.headless ? "" : platform::settingsPath();
  std::error_code failed;
  const auto path = std::filesystem::absolute(o.settingsPath, failed);
  return failed ? o.settingsPath : path.string();
}

// The player's settings under the command line's options.
platform::Settings loadSettings(const shell::Options& o, platform::SettingsStore& store,
                                const std::string& path) {
  platform::Settings settings;
  std::string error;
  if (!path.empty() && !store.load(path, settings, error))
    platform::printErrorLine("game: " + error);
  platform::WindowOptions& w = settings.window;
  if (o.window || o.fullScreen) w.fullScreen = o.fullScreen;
  if (o.scale > 0) {
    w.scale = o.scale;
    w.windowWidth = w.windowHeight = 0;
  }
  return settings;
}

bool chooseBackend(const shell::Options& o, platform::WindowOptions window, std::string& error) {
  if (o.headless) {
    platform::setBackend(platform::makeHeadlessBackend());
    return true;
  }
  auto b = platform::makeWindowBackend(window, error);
  if (!b) return false;
  platform::setBackend(std::move(b));
  return true;
}

// The files written at the end, each failure told; 0, or kOutputFailed when one (a shot
// among them) could not be written.
int finishOutputs(const shell::Options& o) {
  int status = platform::allShotsWritten() ? 0 : kOutputFailed;
  std::string error;
  if (!platform::finishKeyRecording(error)) status = outputFailed("key record", error);
  if (!o.dumpPath.empty() && !shell::writeStateDump(o.dumpPath, error))
    status = outputFailed("dump", error);
  return status;
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
  const std::string settingsPath = settingsFileOf(o);
  if (!game_main::enterDataFolder(o, error)) return usageError(error);
  if (!o.inputScript.empty() && !platform::useKeyScript(o.inputScript, error))
    return usageError(error);
  if (!o.recordScript.empty() && !platform::recordKeyScript(o.recordScript, error))
    return outputFailed("key record", error);
  platform::quitOnSignals();
  platform::SettingsStore store;
  const platform::Settings settings = loadSettings(o, store, settingsPath);
  platform::WindowOptions window = settings.window;
  if (!settingsPath.empty()) {
    // The player's changes in play are kept at once; a file that cannot take them is
    // told about once.
    window.changed = [&store, told = false](bool fullScreen, int w, int h) mutable {
      std::string why;
      if (!store.storeWindow(fullScreen, w, h, why) && !told)
        platform::printErrorLine("game: settings not kept: " + why);
      told = told || !why.empty();
    };
  }
  // No display to open a window on: the game cannot start, whatever its options.
  if (!chooseBackend(o, window, error)) {
    platform::printErrorLine("game: " + error);
    return shell::kStartUpFailed;
  }

  platform::ScreenHooks hooks;
  hooks.shots = o.shots;
  hooks.loseSurfacesAt = o.loseSurfacesAt;
  hooks.stopAfter = o.frames;
  platform::setScreenHooks(hooks);
  // The game and its state from here on; the start's settings are part of that state.
  shell::Game game;
  shell::shellState().SeedOverride = o.seed;
  shell::shellState().frameCounterShown = settings.frameCounterShown;
  if (o.mapName) shell::shellState().FirstMapName = *o.mapName;
  if (o.heroX) shell::shellState().FirstHeroX = *o.heroX;
  if (o.watch) shell::shellState().watcher = platform::makeFileWatcher();
  if (o.trace) shell::traceEventSteps();

  shell::keepStateDumpAtStop();

  const int status = shell::runGame();
  const int outputs = finishOutputs(o);
  platform::setBackend(nullptr);
  return status != 0 ? status : outputs;
}
