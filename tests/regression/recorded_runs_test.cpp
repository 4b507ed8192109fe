// recorded_runs_test.cpp -- headless runs of `game` replayed against their recordings in
// tests/regression/recorded/: the state dump and the key record byte for byte, each shot by the
// hash of its pixels. The runs: the demo walkthrough, the fault tests' game to its end, stopped at
// each of its moments and with every surface lost there, and one run in each end-to-end world.
//
// To regenerate on purpose: PELMO_UPDATE_RECORDINGS=1 build/bin/regression_tests
// (PELMO_REGRESSION_BUILD=DIR plays DIR/bin/game, and the demo on DIR/data, instead of this
// build's).
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "common/png_image.h"
#include "faults/fault_world.h"
#include "support/engine_fixture.h"
#include "support/game_run.h"
#include "support/test_events.h"
#include "support/test_maps.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

// The data each run plays: the built demo data folder, or a test world written into the run's
// own folder by the functions of the tests that use it.
enum class World {
  kDemo,          // the data folder of the build
  kFault,         // faults::writeFaultWorld
  kVillage,       // writeVillageWorld with the world test's status bar of colour 9
  kConversation,  // writeConversationWorld
  kStarter,       // writeWorldData
  kMusic,         // writeWorldData with 2000 frames of test music
  kKoreanMap,     // writeWorldData with the empty map 눈골
};

struct RecordedRun {
  std::string name;  // its folder in recorded/
  World world;
  std::string keys;                  // when not empty, written to in.keys and played with --input
  std::vector<std::string> options;  // besides --headless --seed 1 and the outputs
  std::vector<int> shots;            // the frames after which a shot is taken
};

std::string n(int number) { return std::to_string(number); }

// Every step frames, up to last.
std::vector<int> every(int step, int last) {
  std::vector<int> frames;
  for (int f = step; f <= last; f += step) frames.push_back(f);
  return frames;
}

// The fault game stopped at a moment, and stopped two frames after its surfaces were lost there.
RecordedRun faultStop(const std::string& moment, int frame) {
  return {"fault_stop_" + moment,
          World::kFault,
          "",
          {"--input", "talk.keys", "--frames", n(frame)},
          {frame}};
}
RecordedRun faultLoss(const std::string& moment, int frame) {
  return {"fault_lost_" + moment,
          World::kFault,
          "",
          {"--input", "talk.keys", "--frames", n(frame + 2), "--lose-surfaces", n(frame)},
          {frame + 1, frame + 2}};
}

const std::vector<RecordedRun>& recordedRuns() {
  using namespace faults;
  static const std::vector<RecordedRun> runs = {
      {"demo_walkthrough",
       World::kDemo,
       "",
       {"--input", PELMO_SOURCE_DIR "/content/walkthrough.keys"},
       every(500, 11746)},  // the walkthrough ends the game after frame 11746
      {"fault_story", World::kFault, "", {"--input", "talk.keys"}, {kInBalloon, kInCutScene}},
      faultStop("fade", kInFade),
      faultStop("balloon", kInBalloon),
      faultStop("walk", kInWalk),
      faultStop("warp", kInWarp),
      faultStop("cut_scene", kInCutScene),
      faultLoss("fade", kInFade),
      faultLoss("balloon", kInBalloon),
      faultLoss("walk", kInWalk),
      faultLoss("warp", kInWarp),
      faultLoss("cut_scene", kInCutScene),
      {"village_walk", World::kVillage, "0 RIGHT down\n", {"--frames", "500"}, {60, 500}},
      {"conversation", World::kConversation, "", {"--input", "talk.keys"}, {60, 100}},
      {"starter_keys",
       World::kStarter,
       "3 RIGHT down\n9 RIGHT up\n12 SPACE down\n13 SPACE up\n",
       {"--frames", "60"},
       {1, 60}},
      {"music_f1_f2",
       World::kMusic,
       "30 F1 down\n60 F1 up\n90 F2 down\n",
       {"--frames", "120"},
       {120}},
      {"korean_map_start",
       World::kKoreanMap,
       "",
       {"--map", "눈골", "--hero-x", "612.5", "--frames", "60"},
       {60}},
  };
  return runs;
}

void writeWorld(World world) {
  if (world == World::kDemo) return;
  if (world == World::kFault) return faults::writeFaultWorld();
  writeStartUpData();
  switch (world) {
    case World::kVillage:
      writeVillageWorld();
      writeFile("grim/bar.res", std::string(20160, '\x09'));
      break;
    case World::kConversation:
      writeConversationWorld();
      break;
    case World::kMusic:
      writeWorldData();
      writeFile("1.mp3", testMusic(2000));
      break;
    case World::kKoreanMap:
      writeWorldData();
      writeEmptyMap("\xB4\xAB\xB0\xF1");  // 눈골
      break;
    default:
      writeWorldData();
  }
}

std::string fromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string shotName(int frame) { return "shot_" + n(frame) + ".png"; }

// Where the first line of actual that differs from recorded is, and both lines around there;
// "" when they are equal.
std::string firstDifference(const std::string& recorded, const std::string& actual) {
  if (recorded == actual) return "";
  const auto at = size_t(std::mismatch(recorded.begin(),
                                       recorded.begin() + std::min(recorded.size(), actual.size()),
                                       actual.begin())
                             .first -
                         recorded.begin());
  const size_t lineStart = at == 0 ? 0 : recorded.rfind('\n', at - 1) + 1;  // npos + 1 is 0
  const auto line = [&](const std::string& text) {
    const size_t from = std::max(lineStart, at < 60 ? 0 : at - 60);
    return text.substr(from, std::min(text.find('\n', from), from + 160) - from);
  };
  return "first difference in line " +
         n(int(std::count(recorded.begin(), recorded.begin() + long(at), '\n')) + 1) + ", column " +
         n(int(at - lineStart) + 1) + ":\n  recorded: " + line(recorded) +
         "\n  actual:   " + line(actual);
}

// "FRAME HASH" for a shot: the 64-bit FNV-1a hash of its decoded RGB pixels, row by row, in hex.
std::string shotLine(int frame, const fs::path& png) {
  common::RgbaImage image;
  std::string error;
  if (!common::readPng(png.string(), image, error)) return n(frame) + " unreadable: " + error;
  uint64_t hash = 0xcbf29ce484222325u;
  for (size_t i = 0; i < image.rgba.size(); ++i) {
    if (i % 4 == 3) continue;  // alpha
    hash = (hash ^ image.rgba[i]) * 0x100000001b3u;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return n(frame) + " " + hex;
}

class RecordedRuns : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    const std::string build = fromEnvironment("PELMO_REGRESSION_BUILD");
    game_ = build.empty() ? PELMO_BIN_DIR "/game" : build + "/bin/game";
    demoData_ = build.empty() ? PELMO_DATA_DIR : build + "/data";
    update_ = fromEnvironment("PELMO_UPDATE_RECORDINGS") == "1";
  }

  // Plays run in a folder of its own; returns that folder, holding dump.json, record.keys, the
  // shots and shots.txt, their hashes a line.
  fs::path play(const RecordedRun& run) {
    const fs::path folder = dir_ / run.name;
    fs::create_directories(folder);
    fs::current_path(folder);
    writeWorld(run.world);
    std::vector<std::string> args = {"--headless", "--seed", "1"};
    if (run.world == World::kDemo) args.insert(args.end(), {"--data", demoData_});
    if (!run.keys.empty()) {
      writeFile("in.keys", run.keys);
      args.insert(args.end(), {"--input", "in.keys"});
    }
    args.insert(args.end(), run.options.begin(), run.options.end());
    // Absolute paths: with --data the game runs in the data folder.
    args.insert(args.end(), {"--dump", (folder / "dump.json").string(), "--record",
                             (folder / "record.keys").string()});
    for (const int frame : run.shots)
      args.insert(args.end(), {"--shot", n(frame) + ":" + (folder / shotName(frame)).string()});
    std::string errors;
    EXPECT_EQ(runProgram(game_, folder, args, &errors), 0);
    EXPECT_EQ(withoutWarnings(errors), "");
    std::string hashes;
    for (const int frame : run.shots) {
      EXPECT_TRUE(fs::exists(folder / shotName(frame))) << "no shot of frame " << frame;
      hashes += shotLine(frame, folder / shotName(frame)) + "\n";
    }
    writeFile((folder / "shots.txt").string(), hashes);
    fs::current_path(dir_);
    return folder;
  }

  // Keeps a file of a run that differs from its recording, past the end of the test; returns
  // where.
  std::string keep(const RecordedRun& run, const fs::path& file) {
    if (!fs::exists(file)) return "not written";
    const fs::path kept = fs::temp_directory_path() /
                          ("pelmo_regression_mismatches_" + n(::getpid())) / run.name /
                          file.filename();
    fs::create_directories(kept.parent_path());
    fs::copy_file(file, kept, fs::copy_options::overwrite_existing);
    return kept.string();
  }

  std::string game_, demoData_;
  bool update_ = false;
};

const fs::path kRecorded = PELMO_SOURCE_DIR "/tests/regression/recorded";

TEST_F(RecordedRuns, replay_as_recorded) {
  if (update_) {
    for (const auto& entry : fs::directory_iterator(kRecorded))
      if (entry.is_directory()) fs::remove_all(entry.path());
  }
  std::set<std::string> names;
  for (const RecordedRun& run : recordedRuns()) {
    SCOPED_TRACE(run.name);
    ASSERT_TRUE(names.insert(run.name).second) << "two runs of one name";
    const fs::path actual = play(run);
    const fs::path recorded = kRecorded / run.name;
    const std::vector<std::string> files = {"dump.json", "record.keys", "shots.txt"};
    if (update_) {
      fs::create_directories(recorded);
      for (const auto& file : files) fs::copy_file(actual / file, recorded / file);
      continue;
    }
    for (const auto& file : files) {
      if (!fs::exists(recorded / file)) {
        ADD_FAILURE() << "no recording " << (recorded / file)
                      << "; PELMO_UPDATE_RECORDINGS=1 writes it";
        continue;
      }
      const std::string expected = readFile((recorded / file).string());
      const std::string difference = firstDifference(expected, readFile((actual / file).string()));
      if (difference.empty()) continue;
      ADD_FAILURE() << file << " differs from its recording, " << difference
                    << "\n  the actual file: " << keep(run, actual / file);
      if (file != "shots.txt") continue;
      for (const int frame : run.shots)
        if (expected.find(shotLine(frame, actual / shotName(frame)) + "\n") == std::string::npos)
          ADD_FAILURE() << "shot " << frame
                        << " differs from its recording: " << keep(run, actual / shotName(frame));
    }
  }
  if (update_) {
    std::printf("recordings written to %s\n", kRecorded.c_str());
    return;
  }
  // A recording of a run no longer in the table would never be replayed.
  for (const auto& entry : fs::directory_iterator(kRecorded))
    EXPECT_TRUE(!entry.is_directory() || names.count(entry.path().filename().string()))
        << entry.path() << " is not a run of the table";
}

}  // namespace
