// engine_bench.cpp -- figures 1 and 2: a frame of the busiest moment and a map load, each
// measured against its baseline in the same run.
// Usage: pelmo_bench [--data DIR] [--smoke] [Google Benchmark options]
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/common_resources.h"
#include "bench_backend.h"
#include "bench_data.h"
#include "common/geometry.h"
#include "display/palette.h"
#include "figures.h"
#include "platform/backend.h"
#include "platform/keyboard.h"
#include "shell/game.h"
#include "shell/scene_cycle.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using namespace world;

bench::BenchData data;

constexpr size_t kFrameBytes = size_t(common::kScreenWidth) * common::kScreenHeight * 4;
// Past the fade-in of 49 frames, so the moment is played at full brightness.
constexpr int kWarmUpFrames = 60;
// The hero turns round every so many frames, staying near the middle of the map.
constexpr uint64_t kTurnFrames = 150;
constexpr float kHeroStart = 500.0f;

// Where the map's first text block starts in TextLines, or one written here when it has none.
int firstTextBlock() {
  for (int e = 0; e < kEventCount; ++e)
    for (int s = 0; s < kStepCount; ++s)
      if (eventTables().EventOps[e][s] == kOpText)
        return decimalValue(eventTables().EventStr[e][s]);
  const int at = kTextLineCount - 5;
  const char* rows[] = {"notice", "The snow has not stopped for three days and nights.",
                        "The well is frozen; take water from the river.", "Mind the ice!", "}"};
  for (int i = 0; i < 5; ++i) std::strcpy(eventTables().TextLines[at + i], rows[i]);
  return at;
}

// The moment stays busy: the balloon types its text again once it is shown, and events
// that touching actors start (a warp, a hold) are not run.
void keepBusy() {
  if (worldState().TextShown) worldState().TextTicker = worldState().TextShown = 0;
  worldState().CurrentEvent = worldState().CurrentStep = worldState().WarpPending = 0;
  worldState().WalkCounter = -1;
  shell::shellState().GameRunning = 1;
  if (actors::actorsState().Hero) actors::actorsState().Hero->busy = 0;
  if (display::displayState().Brightness != 100) {
    display::displayState().Brightness = 100;
    display::SetBrightness(100);
  }
}

// The busiest map loaded as the scene cycle loads it, its actors walking, the hero walking
// to and fro, snow falling and a text balloon typing.
void setUpBusyMoment() {
  std::snprintf(shell::shellState().MapName, sizeof shell::shellState().MapName, "%s",
                data.busiestMap.c_str());
  actors::actorsState().Hero->x = kHeroStart;
  shell::beginScene();
  for (int i = 0; i < kWarmUpFrames; ++i) {
    keepBusy();  // the entry event is not run either
    shell::runFrame();
  }
  keepBusy();
  worldState().TextIndex = firstTextBlock();
  worldState().TextTicker = worldState().TextShown = 0;
}

void busiestFrame(benchmark::State& state) {
  setUpBusyMoment();
  for (auto _ : state) {
    shell::runFrame();
    keepBusy();
  }
}

void frameCopy(benchmark::State& state) {
  static std::vector<uint8_t> from(kFrameBytes, 0x5A), to(kFrameBytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), kFrameBytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

void sceneLoad(benchmark::State& state) {
  for (auto _ : state) {
    resetEventTables();
    worldState().CurrentScene = std::make_unique<Scene>();
    worldState().CurrentScene->load(data.busiestMap.c_str());
    state.PauseTiming();
    deleteCurrentScene();
    state.ResumeTiming();
  }
}

// The tables as a plain fill would clear them.
void tableClearing(benchmark::State& state) {
  for (auto _ : state) {
    std::fill(&eventTables().EventOps[0][0],
              &eventTables().EventOps[0][0] + kEventCount * kStepCount, -1);
    std::memset(eventTables().EventStr, 0, sizeof eventTables().EventStr);
    std::memset(eventTables().EventArg1, 0, sizeof eventTables().EventArg1);
    std::memset(eventTables().EventArg2, 0, sizeof eventTables().EventArg2);
    std::memset(eventTables().TextLines, 0, sizeof eventTables().TextLines);
    benchmark::ClobberMemory();
  }
}

// Keeps the CPU time per iteration of every repetition of every benchmark, for the
// medians; when only aggregates are reported, their medians.
class FigureReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.error_occurred || r.iterations <= 0) continue;
      const double seconds = r.cpu_accumulated_time / double(r.iterations);
      if (r.run_type == Run::RT_Iteration)
        seconds_[r.run_name.function_name].push_back(seconds);
      else if (r.aggregate_name == "median")
        aggregateMedian_[r.run_name.function_name] = seconds;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // Milliseconds per iteration; 0 when the benchmark did not run.
  double medianMs(const std::string& name) {
    std::vector<double>& v = seconds_[name];
    if (v.empty()) return 1000 * aggregateMedian_[name];
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return 1000 * (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
  }

 private:
  std::map<std::string, std::vector<double>> seconds_;
  std::map<std::string, double> aggregateMedian_;
};

// Takes the option out of args; true when it was there.
bool takeFlag(std::vector<char*>& args, const char* flag) {
  const auto at = std::find_if(args.begin() + 1, args.end(),
                               [flag](const char* a) { return std::strcmp(a, flag) == 0; });
  if (at == args.end()) return false;
  args.erase(at);
  return true;
}

// Repeated and interleaved unless the command line says otherwise, so that both sides
// of a ratio see the same load on the machine. A smoke run only shows that every
// benchmark runs.
std::vector<char*> withDefaults(int argc, char** argv, bool& smoke) {
  static std::string measured[] = {"--benchmark_repetitions=7",
                                   "--benchmark_enable_random_interleaving=true",
                                   "--benchmark_min_time=0.2"};
  static std::string quick[] = {"--benchmark_repetitions=1", "--benchmark_min_time=0.001"};
  std::vector<char*> args(argv, argv + argc);
  smoke = takeFlag(args, "--smoke");
  for (std::string& d : smoke ? std::span<std::string>(quick) : std::span<std::string>(measured)) {
    const std::string key = d.substr(0, d.find('='));
    const bool given = std::any_of(args.begin(), args.end(), [&](const char* a) {
      return std::strncmp(a, key.c_str(), key.size()) == 0;
    });
    if (!given) args.insert(args.begin() + 1, d.data());
  }
  return args;
}

// "--data DIR" names the demo data folder; the rest goes to the benchmark library.
std::string takeDataDir(std::vector<char*>& args) {
  std::string dir = PELMO_DATA_DIR;
  for (size_t i = 1; i + 1 < args.size(); ++i)
    if (std::strcmp(args[i], "--data") == 0) {
      dir = args[i + 1];
      args.erase(args.begin() + long(i), args.begin() + long(i) + 2);
      break;
    }
  return dir;
}

bool startEngine() {
  if (chdir(data.dir.c_str()) != 0) return false;
  static shell::Game game;
  platform::setBackend(bench::makeArgbBackend());
  shell::shellState().SeedOverride = 1;
  if (!shell::StartUpEngine()) return false;
  actors::loadCommonResources();
  platform::setKeyProvider([](uint64_t read, uint8_t state[256]) {
    state[(read / kTurnFrames) % 2 ? platform::dik::LEFT : platform::dik::RIGHT] = 0x80;
  });
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  bool smoke = false;
  std::vector<char*> args = withDefaults(argc, argv, smoke);
  const std::string demoDir = takeDataDir(args);
  int count = int(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 2;

  data = bench::prepareData(demoDir, false);
  std::printf("pelmo_bench: %s\n", bench::describe(data).c_str());
  if (!startEngine()) {
    std::fprintf(stderr, "pelmo_bench: the engine did not start in %s\n", data.dir.c_str());
    bench::removeSyntheticData(data);
    return 1;
  }
  benchmark::RegisterBenchmark("busiest_frame", busiestFrame)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("frame_copy", frameCopy)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("scene_load", sceneLoad)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("table_clearing", tableClearing)->Unit(benchmark::kMicrosecond);
  FigureReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\n");
  bool pass = bench::printFigure({1,
                                  "one frame of the busiest moment (map " + data.busiestMap +
                                      "): logic, drawing, 2x stretch, conversion to 32-bit colour",
                                  reporter.medianMs("busiest_frame"), "ms",
                                  "plain copy of the 640 x 480 x 4 presented frame",
                                  reporter.medianMs("frame_copy"), true, 3.0});
  pass &= bench::printFigure(
      {2, "Scene::load of map " + data.busiestMap + " with the reset of the event tables",
       reporter.medianMs("scene_load"), "ms", "plain clearing of the event tables",
       reporter.medianMs("table_clearing"), true, 2.0});
  bench::removeSyntheticData(data);
  benchmark::Shutdown();
  if (smoke)
    return reporter.medianMs("busiest_frame") > 0 && reporter.medianMs("scene_load") > 0 ? 0 : 1;
  return pass ? 0 : 3;
}
