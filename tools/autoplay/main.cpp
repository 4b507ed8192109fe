// main.cpp -- autoplay: plays the game headless by a plan of goals and records the keys
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "autoplay/autopilot.h"
#include "autoplay/plan.h"
#include "common/cli.h"
#include "platform/backend.h"
#include "platform/encoding.h"
#include "platform/headless/headless_backend.h"
#include "platform/keyboard.h"
#include "platform/quit.h"
#include "shell/game.h"
#include "shell/game_run.h"
#include "shell/shell_state.h"
#include "shell/state_dump.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kTool = "autoplay";
constexpr int kExitPlanFailed = 1;

constexpr const char* kUsage =
    "Usage: autoplay --plan PLAN [--data DIR] [--record OUT.keys] [--dump FILE]\n"
    "                [--map NAME] [--hero-x X] [--budget N]\n"
    "\n"
    "Runs the game headless, as 'game --headless' does, and plays it by the goals of\n"
    "PLAN: before each keyboard read it looks at the game's state and decides the keys.\n"
    "The keys go into OUT.keys as a key script that 'game --headless --input OUT.keys'\n"
    "replays to the same end.\n"
    "\n"
    "PLAN is UTF-8 text, one goal a line, '#' starts a comment:\n";

constexpr const char* kUsageEnd =
    "Whatever goal runs, a fully shown text balloon is closed with Space (once Space\n"
    "has been up for 8 frames) and a cut-scene's key wait is answered with Space, so\n"
    "that events started by maps, edges and touches never stall the plan; only 'wait'\n"
    "presses nothing. When the game ends, a waiting 'talk' or 'wait-event' is done,\n"
    "the checks left are made on the end state, and any other goal left fails.\n"
    "\n"
    "Options:\n"
    "  --data DIR     the game's data folder (default: the current folder)\n"
    "  --plan PLAN    the plan\n"
    "  --record OUT   write the keys here when the plan succeeds; while it runs, and\n"
    "                 after a failure, they are in OUT.part\n"
    "  --dump FILE    at the end, write the game state as JSON (as game --dump)\n"
    "  --map NAME     start on map NAME instead of 20, as game --map does\n"
    "  --hero-x X     start with the hero at x X instead of 10, as game --hero-x does\n"
    "  --budget N     keyboard reads one goal may take (default 20000)\n"
    "  --help         this text\n"
    "\n"
    "Paths are taken from the folder autoplay is started in.\n"
    "Exit status: 0 the plan completed and the game ended by its game-end command;\n"
    "1 a goal failed (the message names its plan line); 2 bad options or plan.\n";

std::string absolute(const std::string& path) {
  return path.empty() ? path : fs::absolute(path).string();
}

// As the game takes them: a name that code page 949 holds, a finite x.
std::optional<std::string> mapName(const std::string& utf8) {
  const std::string name = platform::utf8ToCp949(utf8);
  if (utf8.empty() || name.size() > 254 || platform::cp949ToUtf8(name) != utf8) return {};
  return name;
}

std::optional<float> heroX(const std::string& text) {
  char* end = nullptr;
  const float x = std::strtof(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !std::isfinite(x)) return {};
  return x;
}

struct Run {
  std::string data, plan, record, recordPart, dump;
  std::optional<std::string> map;  // code page 949
  std::optional<float> heroX;
  uint64_t budget = autoplay::kDefaultBudget;
};

bool readOptions(int argc, char** argv, Run& run, std::string& error) {
  tools::ParsedArgs args;
  if (!tools::parseArgs(argc, argv,
                        {"--data", "--plan", "--record", "--dump", "--budget", "--map", "--hero-x"},
                        {}, args, error))
    return false;
  if (args.help) {
    std::printf("%s%s\n%s", kUsage, autoplay::kPlanHelp, kUsageEnd);
    std::exit(0);
  }
  if (!args.positional.empty()) return error = "unexpected '" + args.positional[0] + "'", false;
  if (!args.has("--plan")) return error = "--plan is required", false;
  int budget = 0;
  if (args.has("--budget") && !tools::parseInt(args.value("--budget"), 1, 1000000000, budget))
    return error = "--budget needs a number of reads", false;
  if (budget > 0) run.budget = uint64_t(budget);
  if (args.has("--map") && !(run.map = mapName(args.value("--map"))))
    return error = "--map needs a map name of 1 to 254 bytes in code page 949", false;
  if (args.has("--hero-x") && !(run.heroX = heroX(args.value("--hero-x"))))
    return error = "--hero-x needs a number such as 10 or 612.5", false;
  run.data = args.value("--data");
  run.plan = absolute(args.value("--plan"));
  run.record = absolute(args.value("--record"));
  run.recordPart = run.record.empty() ? "" : run.record + ".part";
  run.dump = absolute(args.value("--dump"));
  return true;
}

// The game as 'game --headless' runs it, with the autopilot at the keyboard.
void play(autoplay::Autopilot& pilot) {
  platform::setBackend(platform::makeHeadlessBackend());
  platform::setKeyProvider([&pilot](uint64_t read, uint8_t state[256]) {
    pilot.decide(autoplay::observeGame(read), state);
    if (!pilot.failed()) return;
    // Stop as a closed window does: the game leaves at its next wait.
    platform::requestQuit();
  });
  shell::keepStateDumpAtStop();
  shell::runGame();
  platform::setKeyProvider(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  Run run;
  std::string error, text;
  if (!readOptions(argc, argv, run, error)) return tools::usageError(kTool, error);
  std::vector<autoplay::Goal> goals;
  if (!tools::readWholeFile(run.plan, text, error)) return tools::fail(kTool, error);
  if (!autoplay::parsePlan(text, goals, error)) return tools::fail(kTool, run.plan + ": " + error);
  if (!run.data.empty() && chdir(run.data.c_str()) != 0)
    return tools::fail(kTool, "cannot change to the data folder '" + run.data + "'");
  if (!run.recordPart.empty() && !platform::recordKeyScript(run.recordPart, error))
    return tools::fail(kTool, error);

  shell::Game game;
  if (run.map) shell::shellState().FirstMapName = *run.map;
  if (run.heroX) shell::shellState().FirstHeroX = *run.heroX;
  autoplay::Autopilot pilot(std::move(goals), run.budget);
  play(pilot);
  if (!platform::finishKeyRecording(error)) tools::warn(kTool, error);
  // After a failure the game was asked to quit, and the pilot no longer looks at it.
  pilot.finish(autoplay::observeGame(platform::keyboardReads()));
  if (!run.dump.empty() && !shell::writeStateDump(run.dump, error)) tools::warn(kTool, error);

  int status = 0;
  if (pilot.succeeded()) {
    if (!run.record.empty()) {
      std::error_code ec;
      fs::rename(run.recordPart, run.record, ec);
      if (ec) status = tools::fail(kTool, run.record + ": " + ec.message(), kExitPlanFailed);
    }
  } else {
    std::string where = run.plan + ": " + pilot.failure();
    if (!run.recordPart.empty()) where += "\nthe keys so far are in " + run.recordPart;
    status = tools::fail(kTool, where, kExitPlanFailed);
  }
  platform::setBackend(nullptr);
  return status;
}
