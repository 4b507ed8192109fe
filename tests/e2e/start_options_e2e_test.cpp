// start_options_e2e_test.cpp -- `game --map NAME --hero-x X`: where the game starts
#include <cstdlib>
#include <filesystem>

#include "support/game_run.h"
#include "support/state_dump.h"
#include "support/test_maps.h"

namespace {

using namespace testing_support;

class StartOptions : public GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    writeWorldData();
  }
  // Runs three frames with these options; the dump's map name (quoted), hero x and camera x.
  // The run is clean: no message box, so the map and its picture were found.
  struct Start {
    std::string map;
    std::string heroX;
    double cameraX;
  };
  Start run(std::vector<std::string> args) {
    args.insert(args.end(), {"--headless", "--frames", "3"});
    const std::string dump = dumpOfRun(args);
    return {dumpValue(dump, "mapName"), dumpValue(dumpObject(dump, "hero"), "x"),
            dumpNumber(dump, "cameraX")};
  }
};

TEST_F(StartOptions, map_and_hero_x_replace_map_20_and_x_10_each_on_its_own) {
  writeEmptyMap("31");
  const Start plain = run({});
  EXPECT_EQ(plain.map, "\"20\"");
  EXPECT_EQ(plain.heroX, "10");
  EXPECT_EQ(plain.cameraX, 0);

  // The map loads with the hero already there: the camera starts centred on it.
  const Start both = run({"--map", "31", "--hero-x", "612.5"});
  EXPECT_EQ(both.map, "\"31\"");
  EXPECT_EQ(both.heroX, "612.5");
  EXPECT_EQ(both.cameraX, 612 - 140);

  EXPECT_EQ(run({"--map", "31"}).heroX, "10");
  const Start x = run({"--hero-x", "1200"});
  EXPECT_EQ(x.map, "\"20\"");
  EXPECT_EQ(x.cameraX, 960);
}

TEST_F(StartOptions, a_korean_map_name_is_looked_up_in_code_page_949) {
  writeEmptyMap("\xB4\xAB\xB0\xF1");  // 눈골
  EXPECT_EQ(run({"--map", "눈골"}).map, "\"눈골\"");
}

// A map the data lacks ends the game before it starts, status 2 and one line naming the
// data folder: even where no window could open, so the check comes before the backend.
TEST_F(StartOptions, a_map_the_data_lacks_is_told_before_any_window) {
  setenv("SDL_VIDEODRIVER", "no-such-video-driver", 1);
  std::string errors;
  const std::string folder = std::filesystem::canonical(dir_).string();
  EXPECT_EQ(runGame(dir_, {"--map", "31"}, &errors), 2);
  EXPECT_EQ(errors, "game: no map 31 (map/31.if not found in " + folder + ")\n");

  // From another folder, by --data, and a Korean name shown as it was typed.
  std::filesystem::create_directory("elsewhere");
  EXPECT_EQ(runGame(dir_ / "elsewhere", {"--data", folder, "--map", "눈골"}, &errors), 2);
  EXPECT_EQ(errors, "game: no map 눈골 (map/눈골.if not found in " + folder + ")\n");
  unsetenv("SDL_VIDEODRIVER");
}

// With the data elsewhere, a file named on the command line is still the caller's: the key
// script is read from there (the hero walks), the record, the shot and the dump land there.
TEST_F(StartOptions, files_named_on_the_command_line_stay_the_callers_with_data_elsewhere) {
  std::filesystem::create_directory("caller");
  writeFile("caller/in.keys", "0 RIGHT down\n");
  const std::string dump =
      dumpOfCleanRun(dir_ / "caller",
                     {"--data", dir_.string(), "--headless", "--frames", "3", "--input", "in.keys",
                      "--record", "out.keys", "--shot", "3:s.png"},
                     "s.json");
  EXPECT_EQ(dumpValue(dump, "mapName"), "\"20\"");
  EXPECT_NE(dumpValue(dumpObject(dump, "hero"), "x"), "10");
  for (const char* file : {"s.json", "out.keys", "s.png"}) {
    EXPECT_TRUE(std::filesystem::exists(dir_ / "caller" / file)) << file;
    EXPECT_FALSE(std::filesystem::exists(dir_ / file)) << file;
  }
}

// Names from the command line and from map files are looked up inside the data folder: a
// subfolder and a ".." that stays inside work; a name that climbs out is missing, though a
// file lies where it points.
TEST_F(StartOptions, names_stay_inside_the_data_folder) {
  namespace fs = std::filesystem;
  writeEmptyMap("31");
  fs::create_directories("data/map/sub");
  for (const char* folder : {"grim", "map"})
    fs::copy(folder, fs::path("data") / folder, fs::copy_options::recursive);
  fs::copy_file("map/31.if", "data/map/sub/31.if");
  fs::copy_file("map/31.if", "31.if");
  fs::copy_file("map/31.res", "31.res");
  writeFile("data/map/up.if", mapText("../../31", "up", {}));
  EXPECT_EQ(run({"--data", "data", "--map", "sub/31"}).map, "\"sub/31\"");
  EXPECT_EQ(run({"--data", "data", "--map", "../map/31"}).map, "\"../map/31\"");

  std::string errors;
  const std::string folder = fs::canonical("data").string();
  EXPECT_EQ(runGame(dir_, {"--headless", "--data", "data", "--map", "../../31"}, &errors), 2);
  EXPECT_EQ(errors, "game: no map ../../31 (map/../../31.if not found in " + folder + ")\n");
  runGame(dir_, {"--headless", "--data", "data", "--map", "up", "--frames", "3"}, &errors);
  EXPECT_EQ(errors, "map\\../../31.res: 파일열기\n");
}

}  // namespace
