// shell_e2e_test.cpp -- the `game` program in headless mode: options, fades, keys, shots, failures
#include <algorithm>
#include <filesystem>

#include "common/png_image.h"
#include "support/game_run.h"
#include "support/state_dump.h"
#include "support/test_maps.h"

namespace {

namespace fs = std::filesystem;
using testing_support::dumpNumber;
using testing_support::readFile;
using testing_support::runGame;
using testing_support::writeFile;

class GameRun : public testing_support::GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    testing_support::writeWorldData();
  }
  int run(const std::vector<std::string>& args, std::string* errors = nullptr) {
    return runGame(dir_, args, errors);
  }
};

TEST_F(GameRun, fades_in_by_two_per_frame) {
  ASSERT_EQ(run({"--headless", "--frames", "10", "--dump", "s.json"}), 0);
  const std::string dump = readFile("s.json");
  EXPECT_EQ(dumpNumber(dump, "frames"), 10);
  EXPECT_EQ(dumpNumber(dump, "brightness"), 22);
  // The starter map has no event 99: the entry event ends on the first frame.
  EXPECT_EQ(dumpNumber(dump, "currentEvent"), 0);
  EXPECT_NE(dump.find("\"mapName\": \"20\""), std::string::npos);
}

TEST_F(GameRun, escape_ends_the_game_normally) {
  writeFile("esc.keys", "# hold Escape from the sixth frame\n5 ESCAPE down\n");
  ASSERT_EQ(run({"--headless", "--input", "esc.keys", "--dump", "s.json"}), 0);
  const std::string dump = readFile("s.json");
  // Five frames, then the cleared view of the scene end.
  EXPECT_EQ(dumpNumber(dump, "frames"), 6);
  EXPECT_EQ(dumpNumber(dump, "reads"), 6);
}

TEST_F(GameRun, start_up_failure_shows_its_box_and_exits_1) {
  fs::remove("grim/pal.pal");
  std::string errors;
  ASSERT_EQ(run({"--headless", "--dump", "s.json"}, &errors), 1);
  EXPECT_EQ(errors, "Pelmo엔진: 팔렛 로딩에러..\n");
  const std::string dump = readFile("s.json");
  EXPECT_EQ(dumpNumber(dump, "frames"), 0);
  EXPECT_NE(dump.find("{\"title\": \"Pelmo엔진\", \"text\": \"팔렛 로딩에러..\"}"),
            std::string::npos);
}

TEST_F(GameRun, bad_options_and_key_scripts_exit_2_with_one_line) {
  const std::vector<std::vector<std::string>> cases = {{"--frames"},
                                                       {"--bogus"},
                                                       {"--headless", "--input", "missing.keys"},
                                                       {"--headless", "--input", "bad.keys"},
                                                       {"--data", "no/such/folder"}};
  writeFile("bad.keys", "1 SPACE down\n2 SPACE sideways\n");
  for (const auto& args : cases) {
    std::string errors;
    EXPECT_EQ(run(args, &errors), 2) << args[0];
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_EQ(errors.rfind("game: ", 0), 0u) << errors;
  }
  std::string errors;
  run({"--headless", "--input", "bad.keys"}, &errors);
  EXPECT_NE(errors.find("bad.keys: line 2:"), std::string::npos) << errors;
}

TEST_F(GameRun, shots_show_the_palette_at_that_frame) {
  ASSERT_EQ(run({"--headless", "--frames", "60", "--shot", "1:a.png", "--shot", "60:b.png"}), 0);
  common::RgbaImage a, b;
  std::string error;
  ASSERT_TRUE(common::readPng("a.png", a, error)) << error;
  ASSERT_TRUE(common::readPng("b.png", b, error)) << error;
  ASSERT_EQ(a.width, 640);
  ASSERT_EQ(a.height, 480);
  // The view is colour 0: (0, 255, 0) in the known palette, tinted blue +15 for map "20",
  // at 4 % after the first frame and at full strength after sixty.
  EXPECT_EQ(a.rgba[1], 255 * 4 / 100);
  EXPECT_EQ(b.rgba[0], 0);
  EXPECT_EQ(b.rgba[1], 255);
  EXPECT_EQ(b.rgba[2], 15);
}

TEST_F(GameRun, runs_repeat_byte_for_byte_and_record_what_they_play) {
  writeFile("in.keys", "3 RIGHT down\n9 RIGHT up\n12 SPACE down\n13 SPACE up\n");
  ASSERT_EQ(run({"--headless", "--frames", "30", "--input", "in.keys", "--record", "out.keys",
                 "--dump", "1.json", "--shot", "30:1.png"}),
            0);
  ASSERT_EQ(run({"--headless", "--frames", "30", "--input", "out.keys", "--dump", "2.json",
                 "--shot", "30:2.png"}),
            0);
  EXPECT_EQ(readFile("1.json"), readFile("2.json"));
  EXPECT_EQ(readFile("1.png"), readFile("2.png"));
  EXPECT_NE(readFile("out.keys").find("3 RIGHT down\n"), std::string::npos);
  EXPECT_NE(readFile("out.keys").find("13 SPACE up\n"), std::string::npos);
}

TEST_F(GameRun, lost_surfaces_are_recovered_without_a_message) {
  ASSERT_EQ(run({"--headless", "--frames", "60", "--lose-surfaces", "20", "--dump", "s.json"}), 0);
  EXPECT_EQ(dumpNumber(readFile("s.json"), "frames"), 60);
  EXPECT_NE(readFile("s.json").find("\"messages\": []"), std::string::npos);
}

TEST_F(GameRun, help_and_version) {
  std::string errors;
  EXPECT_EQ(run({"--help"}, &errors), 0);
  EXPECT_EQ(run({"--version"}, &errors), 0);
}

}  // namespace
