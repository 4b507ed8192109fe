// start_options_e2e_test.cpp -- `game --map NAME --hero-x X`: where the game starts
#include <unistd.h>

#include <filesystem>
#include <regex>

#include "support/engine_fixture.h"
#include "support/test_fonts.h"
#include "support/test_maps.h"

namespace {

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::writeFile;

class StartOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("pelmo_start_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    previous_ = fs::current_path();
    fs::current_path(dir_);
    writeFile("grim/pal.pal", testing_support::knownPalette());
    testing_support::writeTestFonts();
    testing_support::writeWorldData();
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }
  // A map with no actors and no events under this (code page 949) name.
  static void writeMap(const std::string& name) {
    writeFile("map/" + name + ".if", testing_support::mapText(name, "", {}));
    writeFile("map/" + name + ".res", std::string(1280 * 177, '\xFF'));
  }
  // Runs three frames with these options; the dump's map name, hero x and camera x.
  struct Start {
    std::string map;
    std::string heroX;
    long cameraX = -1;
  };
  Start run(std::vector<std::string> args) {
    args.insert(args.end(), {"--headless", "--frames", "3", "--dump", "s.json"});
    std::string errors;
    EXPECT_EQ(testing_support::runGame(dir_, args, &errors), 0);
    EXPECT_EQ(errors, "");  // no message box: the map and its picture were found
    const std::string dump = readFile("s.json");
    Start s;
    std::smatch m;
    if (std::regex_search(dump, m, std::regex("\"mapName\": \"([^\"]*)\""))) s.map = m[1];
    if (std::regex_search(dump, m, std::regex("\"hero\": \\{[^}]*\"x\": ([-0-9.e]+)")))
      s.heroX = m[1];
    if (std::regex_search(dump, m, std::regex("\"cameraX\": (-?[0-9]+)")))
      s.cameraX = std::stol(m[1]);
    return s;
  }
  fs::path dir_, previous_;
};

TEST_F(StartOptions, map_and_hero_x_replace_map_20_and_x_10_each_on_its_own) {
  writeMap("31");
  const Start plain = run({});
  EXPECT_EQ(plain.map, "20");
  EXPECT_EQ(plain.heroX, "10");
  EXPECT_EQ(plain.cameraX, 0);

  // The map loads with the hero already there: the camera starts centred on it.
  const Start both = run({"--map", "31", "--hero-x", "612.5"});
  EXPECT_EQ(both.map, "31");
  EXPECT_EQ(both.heroX, "612.5");
  EXPECT_EQ(both.cameraX, 612 - 140);

  EXPECT_EQ(run({"--map", "31"}).heroX, "10");
  const Start x = run({"--hero-x", "1200"});
  EXPECT_EQ(x.map, "20");
  EXPECT_EQ(x.cameraX, 960);
}

TEST_F(StartOptions, a_korean_map_name_is_looked_up_in_code_page_949) {
  writeMap("\xB4\xAB\xB0\xF1");  // 눈골
  EXPECT_EQ(run({"--map", "눈골"}).map, "눈골");
}

}  // namespace
