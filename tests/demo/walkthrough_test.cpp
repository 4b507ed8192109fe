// walkthrough_test.cpp -- the demo story played from start to end by its committed key script
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/engine_fixture.h"

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::runGame;

namespace {

// The entry event of every demo map sets its own "visited" flag.
struct VisitedFlag {
  const char* map;
  int flag;
};
constexpr VisitedFlag kMaps[] = {{"20", 90}, {"21", 91}, {"24", 92}, {"35", 93}, {"37", 94}, {"42", 95}};
constexpr int kLanternLit = 40;

std::vector<int> flagsOf(const std::string& dump) {
  std::smatch m;
  std::vector<int> flags;
  if (!std::regex_search(dump, m, std::regex("\"eventFlags\": \\[([^\\]]*)\\]"))) return flags;
  std::stringstream list(m[1].str());
  for (std::string item; std::getline(list, item, ',');) flags.push_back(std::stoi(item));
  return flags;
}

std::string valueOf(const std::string& dump, const std::string& key) {
  std::smatch m;
  if (!std::regex_search(dump, m, std::regex("\"" + key + "\": (\"[^\"]*\"|-?[0-9]+|\\[\\])"))) return "";
  return m[1].str();
}

class DemoWalkthrough : public ::testing::Test {
 protected:
  void SetUp() override {
    out_ = fs::temp_directory_path() / ("pelmo-demo-" + std::to_string(::getpid()));
    fs::create_directories(out_);
  }
  void TearDown() override { fs::remove_all(out_); }

  // Plays the committed walkthrough on the built data folder; returns the dump.
  std::string play(const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args = {"--headless", "--seed", "1", "--input",
                                     PELMO_SOURCE_DIR "/content/walkthrough.keys", "--dump",
                                     (out_ / "end.json").string()};
    args.insert(args.end(), extra.begin(), extra.end());
    std::string errors;
    EXPECT_EQ(runGame(PELMO_DATA_DIR, args, &errors), 0) << errors;
    EXPECT_EQ(errors, "") << "the game reported problems";
    return readFile((out_ / "end.json").string());
  }
  fs::path out_;
};

TEST_F(DemoWalkthrough, the_story_is_played_through_every_map_to_its_end) {
  const std::string dump = play();
  ASSERT_FALSE(dump.empty());
  const std::vector<int> flags = flagsOf(dump);
  ASSERT_EQ(flags.size(), 100u);
  for (const auto& m : kMaps) EXPECT_EQ(flags[size_t(m.flag)], 1) << "map " << m.map << " was never reached";
  EXPECT_EQ(flags[kLanternLit], 1) << "the lantern was not lit";
  // The game-end command stopped the loop on the last map, and no message box was
  // ever shown.
  EXPECT_EQ(valueOf(dump, "gameRunning"), "0");
  EXPECT_EQ(valueOf(dump, "mapName"), "\"42\"");
  EXPECT_EQ(valueOf(dump, "messages"), "[]");
}

// Two runs of the same walkthrough give the same end, byte for byte.
TEST_F(DemoWalkthrough, replays_are_identical) {
  const std::string first = play();
  const std::string second = play();
  EXPECT_EQ(first, second);
}

}  // namespace
