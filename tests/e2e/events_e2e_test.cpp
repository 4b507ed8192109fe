// events_e2e_test.cpp -- the `game` program through a whole conversation: talk with Space, two
// typed pages, a flag, a warp to a second map and the game end
#include "common/geometry.h"
#include "common/png_image.h"
#include "support/game_run.h"
#include "support/state_dump.h"
#include "support/test_events.h"
#include "support/test_maps.h"

namespace {

using namespace testing_support;

// The conversation of writeConversationWorld; Space is pressed in frames 56, 66 and 76, after
// the fade-in.
class EventsRun : public GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    writeConversationWorld();
  }
  // The dump after `frames` presented frames (0: the whole game) of a clean run.
  std::string dumpAfter(int frames, const std::vector<std::string>& more = {}) {
    std::vector<std::string> args = {"--headless", "--input", "talk.keys"};
    if (frames > 0) args.insert(args.end(), {"--frames", std::to_string(frames)});
    args.insert(args.end(), more.begin(), more.end());
    return dumpOfRun(args);
  }
};

TEST_F(EventsRun, space_starts_the_talk_and_opens_the_first_page) {
  const std::string before = dumpAfter(55);
  EXPECT_EQ(dumpNumber(before, "currentEvent"), 0);
  EXPECT_EQ(dumpNumber(dumpObject(before, "hero"), "facing"), 1);
  EXPECT_EQ(dumpNumber(dumpObject(before, "hero"), "busy"), 0);
  const std::string dump = dumpAfter(56);
  EXPECT_EQ(dumpNumber(dump, "currentEvent"), 5);
  EXPECT_EQ(dumpNumber(dump, "currentStep"), 1);
  EXPECT_EQ(dumpNumber(dump, "eventActor"), 0);
  EXPECT_EQ(dumpNumber(dump, "textIndex"), 0);
  EXPECT_EQ(dumpNumber(dump, "textTicker"), 1);
  EXPECT_EQ(dumpNumber(dump, "textShown"), 0);
  EXPECT_EQ(dumpNumber(dumpObject(dump, "hero"), "busy"), 1);
  const size_t kim = dump.find("{\"name\": \"kim\"");
  ASSERT_NE(kim, std::string::npos);
  EXPECT_EQ(dumpNumber(dump.substr(kim), "busy"), 1);
}

TEST_F(EventsRun, the_page_is_typed_and_shown_on_the_status_bar) {
  const std::string dump = dumpAfter(60, {"--shot", "60:a.png"});
  EXPECT_EQ(dumpNumber(dump, "textShown"), 1);
  common::RgbaImage image;
  std::string error;
  ASSERT_TRUE(common::readPng("a.png", image, error)) << error;
  // 'h' (0x68) inks columns 1, 2 and 4 of its cell at page column 142, row 314 on:
  // view pixels (15, 190), (16, 190) and (18, 190), in 192 over the bar's 9.
  const auto view = [&](int x, int y) {
    return int(image.rgba[size_t((2 * y * common::kScreenWidth + 2 * x) * 4)]);
  };
  EXPECT_EQ(view(15, 190), 192);
  EXPECT_EQ(view(16, 190), 192);
  EXPECT_EQ(view(17, 190), 9);
  EXPECT_EQ(view(18, 190), 192);
}

TEST_F(EventsRun, space_turns_the_page_then_closes_it_and_the_flag_is_set) {
  std::string dump = dumpAfter(66);
  EXPECT_EQ(dumpNumber(dump, "textIndex"), 3);  // title, one body row and "}" before it
  EXPECT_EQ(dumpNumber(dump, "currentStep"), 2);
  EXPECT_EQ(dumpNumber(dump, "textShown"), 0);
  dump = dumpAfter(76);
  EXPECT_EQ(dumpNumber(dump, "textIndex"), -1);
  EXPECT_EQ(dumpNumber(dump, "currentStep"), 3);
  EXPECT_EQ(dumpFlag(dump, 3), 1);
  EXPECT_EQ(dumpNumber(dump, "warpPending"), 0);
  dump = dumpAfter(77);
  EXPECT_EQ(dumpNumber(dump, "warpPending"), 1);
  EXPECT_EQ(dumpNumber(dump, "brightness"), 98);
}

TEST_F(EventsRun, the_warp_lands_at_x_600_where_the_kept_flag_ends_the_game) {
  // The fade-out runs from frame 77 to 126, 127 is the cleared view, 128 the first of map "30".
  std::string dump = dumpAfter(126);
  EXPECT_NE(dump.find("\"mapName\": \"20\""), std::string::npos);
  EXPECT_EQ(dumpNumber(dump, "brightness"), 0);
  dump = dumpAfter(128);
  EXPECT_NE(dump.find("\"mapName\": \"30\""), std::string::npos);
  EXPECT_NE(dump.find("\"caption\": \"second\""), std::string::npos);
  EXPECT_EQ(dumpNumber(dumpObject(dump, "hero"), "x"), 600);
  EXPECT_EQ(dumpNumber(dumpObject(dump, "hero"), "busy"), 1);  // held since the talk
  EXPECT_EQ(dumpNumber(dump, "cameraX"), 460);
  EXPECT_EQ(dumpNumber(dump, "warpPending"), 0);
  EXPECT_EQ(dumpFlag(dump, 3), 1);
  EXPECT_EQ(dumpNumber(dump, "currentEvent"), 7);
  EXPECT_EQ(dumpNumber(dump, "currentStep"), 0);
  // The game end in the next frame; the game frees its objects and exits normally.
  dump = dumpAfter(0);
  EXPECT_EQ(dumpNumber(dump, "gameRunning"), 0);
  EXPECT_EQ(dumpNumber(dump, "currentEvent"), 7);
  EXPECT_EQ(dumpNumber(dump, "currentStep"), 1);
  EXPECT_EQ(dumpNumber(dump, "frames"), 130);
  EXPECT_NE(dump.find("\"messages\": []"), std::string::npos);
}

}  // namespace
