// events_e2e_test.cpp -- the `game` program through a whole conversation: talk with Space, two
// typed pages, a flag, a warp to a second map and the game end
#include <filesystem>
#include <regex>
#include <sstream>

#include "common/png_image.h"
#include "support/engine_fixture.h"
#include "support/test_events.h"
#include "support/test_fonts.h"
#include "support/test_maps.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using namespace testing_support::words;

// Map "20": event 99 turns the hero right; the actor at x 72 (in reach of the
// hero at x 10) starts event 5: two pages, flag 3 = 1, a warp to map "30" at
// x 600. There event 99 jumps to event 7, the game end, only when flag 3 is 1.
// Space is pressed in frames 56, 66 and 76, after the fade-in.
class EventsRun : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           ("pelmo_events_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    previous_ = fs::current_path();
    fs::current_path(dir_);
    writeFile("grim/pal.pal", knownPalette());
    writeTestFonts();
    writeHeroPack();
    writeSolidPack("MAN", 10, 40, 30, 60);
    writeSolidPack("cursor", 3, 8, 8, 50);
    writeMapPicture("village");
    writeFarPicture();
    writeFile("grim/bar.res", std::string(20160, '\x09'));
    TestActor kim;
    kim.name = "kim";
    kim.x = "72.0";
    kim.eventNumber = 5;
    const std::string first = eventSection(
        {eventText("99", {kHeroFaceRight}),
         eventText("5", {textBlock("Kim", {"hi"}), textBlock("Kim", {"bye"}),
                         std::string(kFlag) + " 3 1", std::string(kWarp) + " 30 600"})});
    writeFile("map/20.if", mapText("village", "first", {kim}, first));
    const std::string second = eventSection(
        {eventText("99", {std::string(kIf) + " " + kFlag + " 3 1 7"}), eventText("7", {kGameEnd})});
    writeFile("map/30.if", mapText("village", "second", {}, second));
    writeFile("talk.keys",
              "55 SPACE down\n56 SPACE up\n65 SPACE down\n66 SPACE up\n75 SPACE down\n"
              "76 SPACE up\n");
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }
  // The dump after `frames` presented frames (0: the whole game), with its exit status checked.
  std::string dumpAfter(int frames, const std::vector<std::string>& more = {}) {
    std::vector<std::string> args = {"--headless", "--input", "talk.keys", "--dump", "s.json"};
    if (frames > 0) args.insert(args.end(), {"--frames", std::to_string(frames)});
    args.insert(args.end(), more.begin(), more.end());
    std::string errors;
    EXPECT_EQ(runGame(dir_, args, &errors), 0);
    EXPECT_EQ(errors, "");
    return readFile("s.json");
  }
  static double number(const std::string& text, const std::string& key) {
    std::smatch m;
    const std::regex re("\"" + key + "\": (-?[0-9.e+-]+)");
    return std::regex_search(text, m, re) ? std::stod(m[1]) : -999;
  }
  static std::string object(const std::string& dump, const std::string& key) {
    const size_t at = dump.find("\"" + key + "\": {");
    if (at == std::string::npos) return "";
    return dump.substr(at, dump.find('}', at) - at + 1);
  }
  static int flag(const std::string& dump, int i) {
    std::smatch m;
    if (!std::regex_search(dump, m, std::regex("\"eventFlags\": \\[([^\\]]*)\\]"))) return -999;
    std::stringstream list(m[1].str());
    std::string item;
    for (int k = 0; std::getline(list, item, ','); ++k)
      if (k == i) return std::stoi(item);
    return -999;
  }
  fs::path dir_, previous_;
};

TEST_F(EventsRun, space_starts_the_talk_and_opens_the_first_page) {
  const std::string before = dumpAfter(55);
  EXPECT_EQ(number(before, "currentEvent"), 0);
  EXPECT_EQ(number(object(before, "hero"), "facing"), 1);
  EXPECT_EQ(number(object(before, "hero"), "busy"), 0);
  const std::string dump = dumpAfter(56);
  EXPECT_EQ(number(dump, "currentEvent"), 5);
  EXPECT_EQ(number(dump, "currentStep"), 1);
  EXPECT_EQ(number(dump, "eventActor"), 0);
  EXPECT_EQ(number(dump, "textIndex"), 0);
  EXPECT_EQ(number(dump, "textTicker"), 1);
  EXPECT_EQ(number(dump, "textShown"), 0);
  EXPECT_EQ(number(object(dump, "hero"), "busy"), 1);
  const size_t kim = dump.find("{\"name\": \"kim\"");
  ASSERT_NE(kim, std::string::npos);
  EXPECT_EQ(number(dump.substr(kim), "busy"), 1);
}

TEST_F(EventsRun, the_page_is_typed_and_shown_on_the_status_bar) {
  const std::string dump = dumpAfter(60, {"--shot", "60:a.png"});
  EXPECT_EQ(number(dump, "textShown"), 1);
  common::RgbaImage image;
  std::string error;
  ASSERT_TRUE(common::readPng("a.png", image, error)) << error;
  // 'h' (0x68) inks columns 1, 2 and 4 of its cell at page column 142, row 314 on:
  // view pixels (15, 190), (16, 190) and (18, 190), in 192 over the bar's 9.
  const auto view = [&](int x, int y) {
    return int(image.rgba[size_t((2 * y * 640 + 2 * x) * 4)]);
  };
  EXPECT_EQ(view(15, 190), 192);
  EXPECT_EQ(view(16, 190), 192);
  EXPECT_EQ(view(17, 190), 9);
  EXPECT_EQ(view(18, 190), 192);
}

TEST_F(EventsRun, space_turns_the_page_then_closes_it_and_the_flag_is_set) {
  std::string dump = dumpAfter(66);
  EXPECT_EQ(number(dump, "textIndex"), 3);  // title, one body row and "}" before it
  EXPECT_EQ(number(dump, "currentStep"), 2);
  EXPECT_EQ(number(dump, "textShown"), 0);
  dump = dumpAfter(76);
  EXPECT_EQ(number(dump, "textIndex"), -1);
  EXPECT_EQ(number(dump, "currentStep"), 3);
  EXPECT_EQ(flag(dump, 3), 1);
  EXPECT_EQ(number(dump, "warpPending"), 0);
  dump = dumpAfter(77);
  EXPECT_EQ(number(dump, "warpPending"), 1);
  EXPECT_EQ(number(dump, "brightness"), 98);
}

TEST_F(EventsRun, the_warp_lands_at_x_600_where_the_kept_flag_ends_the_game) {
  // The fade-out runs from frame 77 to 126, 127 is the cleared view, 128 the first of map "30".
  std::string dump = dumpAfter(126);
  EXPECT_NE(dump.find("\"mapName\": \"20\""), std::string::npos);
  EXPECT_EQ(number(dump, "brightness"), 0);
  dump = dumpAfter(128);
  EXPECT_NE(dump.find("\"mapName\": \"30\""), std::string::npos);
  EXPECT_NE(dump.find("\"caption\": \"second\""), std::string::npos);
  EXPECT_EQ(number(object(dump, "hero"), "x"), 600);
  EXPECT_EQ(number(object(dump, "hero"), "busy"), 1);  // held since the talk
  EXPECT_EQ(number(dump, "cameraX"), 460);
  EXPECT_EQ(number(dump, "warpPending"), 0);
  EXPECT_EQ(flag(dump, 3), 1);
  EXPECT_EQ(number(dump, "currentEvent"), 7);
  EXPECT_EQ(number(dump, "currentStep"), 0);
  // The game end in the next frame; the game frees its objects and exits normally.
  dump = dumpAfter(0);
  EXPECT_EQ(number(dump, "gameRunning"), 0);
  EXPECT_EQ(number(dump, "currentEvent"), 7);
  EXPECT_EQ(number(dump, "currentStep"), 1);
  EXPECT_EQ(number(dump, "frames"), 130);
  EXPECT_NE(dump.find("\"messages\": []"), std::string::npos);
}

}  // namespace
