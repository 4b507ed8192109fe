// process_bench.cpp -- figures 3 and 4: the game as a whole process, from start to first frame
// headless, and its CPU time and peak memory while it plays in a window
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench_data.h"
#include "figures.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
  std::string game = PELMO_BIN_DIR "/game";
  std::string data = PELMO_DATA_DIR;
  int figure = 0;         // 0: both
  std::string writeData;  // only write the synthetic data folder here
  int runs = 11;
  double warmUpSeconds = 2;
  double playSeconds = 10;
};

// Starts path with args, its output thrown away; -1 when it cannot start.
pid_t spawn(const std::string& path, const std::vector<std::string>& args) {
  std::vector<char*> argv{const_cast<char*>(path.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int error = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return error == 0 ? pid : -1;
}

// Wall milliseconds from start to exit; negative when the run failed.
double timedRun(const std::string& path, const std::vector<std::string>& args) {
  const auto t0 = Clock::now();
  const pid_t pid = spawn(path, args);
  if (pid < 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

double medianRunMs(const Options& o, const std::vector<std::string>& args) {
  std::vector<double> ms;
  timedRun(o.game, args);  // the first run fills the file cache
  for (int i = 0; i < o.runs; ++i) {
    const double t = timedRun(o.game, args);
    if (t < 0) return -1;
    ms.push_back(t);
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

bool figure3(const Options& o, const bench::BenchData& data) {
  const double first = medianRunMs(o, {"--headless", "--frames", "1", "--data", data.dir.string()});
  const double version = medianRunMs(o, {"--version"});
  if (first < 0 || version < 0) {
    std::printf("figure 3: the game did not run (%s)\n", o.game.c_str());
    return false;
  }
  return bench::printFigure({3,
                             "start-up to the first presented frame, headless, whole process "
                             "(median of " +
                                 std::to_string(o.runs) + " runs)",
                             first, "ms", "game --version: loading the program alone", version,
                             false, 100.0});
}

// utime + stime of a live process, in seconds; negative when it is gone.
double cpuSeconds(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const size_t close = text.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(text.substr(close + 2));
  std::string f;
  unsigned long long utime = 0, stime = 0;
  // Fields 3 to 13, then utime (14) and stime (15).
  for (int i = 3; i <= 13; ++i) fields >> f;
  fields >> utime >> stime;
  return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

// The peak resident set (VmHWM) in kilobytes, or -1.
long peakKb(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

bool alive(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == 0; }

void sleepSeconds(double s) { std::this_thread::sleep_for(std::chrono::duration<double>(s)); }

// SDL takes SIGTERM as a close request; a game that does not close in time is killed.
void stop(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 50 && alive(pid); ++i) sleepSeconds(0.1);
  if (alive(pid)) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
}

bool figure4(const Options& o, const bench::BenchData& data) {
  if (!std::getenv("DISPLAY")) {
    std::printf("figure 4: no X display; run it under xvfb-run (scripts/bench does)\n");
    return false;
  }
  const std::string keys = "/tmp/pelmo_bench_keys_" + std::to_string(getpid());
  std::ofstream(keys) << "# the hero walks right for the whole run\n0 RIGHT down\n";
  // On the busiest map, not the first one, which may open with a cut-scene.
  const pid_t pid = spawn(o.game, {"--window", "--scale", "1", "--input", keys, "--data",
                                   data.dir.string(), "--map", data.busiestMap, "--hero-x", "100"});
  sleepSeconds(o.warmUpSeconds);
  const double cpu0 = cpuSeconds(pid);
  const auto t0 = Clock::now();
  sleepSeconds(o.playSeconds);
  const double cpu1 = cpuSeconds(pid);
  const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
  const long peak = peakKb(pid);
  const bool running = alive(pid) && cpu0 >= 0 && cpu1 >= 0 && peak > 0;
  stop(pid);
  std::remove(keys.c_str());
  if (!running) {
    std::printf("figure 4: the game did not keep running in its window (%s)\n", o.game.c_str());
    return false;
  }
  const std::string play = std::to_string(int(o.playSeconds)) + " s of play";
  bool pass = bench::printFigure({4,
                                  "CPU use in a window at the 60 Hz frame clock on map " +
                                      data.busiestMap + ", the hero walking right, " + play +
                                      " after " + std::to_string(int(o.warmUpSeconds)) +
                                      " s of start (percent of one core)",
                                  100 * (cpu1 - cpu0) / wall, "%", "", 0, false, 5.0});
  pass &= bench::printFigure({4, "peak resident memory (VmHWM) of the game, " + play,
                              double(peak) * 1024 / 1e6, "MB", "", 0, false, 40.0});
  return pass;
}

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--game" && hasValue)
      o.game = argv[++i];
    else if (a == "--data" && hasValue)
      o.data = argv[++i];
    else if (a == "--figure" && hasValue)
      o.figure = std::atoi(argv[++i]);
    else if (a == "--runs" && hasValue)
      o.runs = std::max(1, std::atoi(argv[++i]));
    else if (a == "--seconds" && hasValue)
      o.playSeconds = std::atof(argv[++i]);
    else if (a == "--write-data" && hasValue)
      o.writeData = argv[++i];
    else
      return false;
  }
  return o.figure == 0 || o.figure == 3 || o.figure == 4;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) {
    std::fprintf(stderr,
                 "usage: pelmo_procbench [--figure 3|4] [--game PATH] [--data DIR] [--runs N] "
                 "[--seconds S]\n       pelmo_procbench --write-data DIR   (the synthetic busy "
                 "data only)\n");
    return 2;
  }
  if (!o.writeData.empty()) {
    bench::writeSyntheticData(o.writeData, o.data);
    return 0;
  }
  // The game starts on map "20": the demo data is used only when it has that map.
  const bench::BenchData data = bench::prepareData(o.data, true);
  std::printf("pelmo_procbench: %s\n", bench::describe(data).c_str());
  bool pass = true;
  if (o.figure != 4) pass &= figure3(o, data);
  if (o.figure != 3) pass &= figure4(o, data);
  bench::removeSyntheticData(data);
  return pass ? 0 : 3;
}
