// balloon_test.cpp -- the text balloon on the page: the sliding title, typing with its look-ahead
// ramp, whole two-byte characters, the cursor, the ticker; the icon balloon's frames
#include <cstring>
#include <string>
#include <vector>

#include "actors/actor.h"
#include "actors/balloons.h"
#include "display/display_state.h"
#include "display/pixel_page.h"
#include "support/test_events.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using world::worldState;
using namespace testing_support;

// With the test font, glyph b of the 8 x 16 font has every row equal to b, so
// 'A' (0x41) inks columns 1 and 7 of its cell, 'a' 1, 2 and 7, 'b' 1, 2 and 6,
// 'c' 1, 2, 6 and 7.
class BalloonTest : public EventWorldTest {
 protected:
  void SetUp() override {
    EventWorldTest::SetUp();
    startMap("0\r\n");
    world::worldState().CurrentEvent = 0;
  }
  void open(const std::vector<std::string>& rows, int t) {
    for (size_t i = 0; i < rows.size(); ++i)
      std::strcpy(world::eventTables().TextLines[i], rows[i].c_str());
    world::worldState().TextIndex = 0;
    worldState().TextTicker = t;
    worldState().TextShown = 0;
  }
  void draw() {
    for (int y = 0; y < display::kPageHeight; ++y)
      std::memset(display::displayState().APAGE->row(y), 0, display::kPageWidth);
    actors::drawBalloons();
  }
  static int at(int x, int y) { return display::displayState().APAGE->row(y)[x]; }
  // The columns of row y in [x0, x1) that are not paper, with their colours.
  static std::vector<std::pair<int, int>> inked(int y, int x0, int x1) {
    std::vector<std::pair<int, int>> v;
    for (int x = x0; x < x1; ++x)
      if (at(x, y)) v.push_back({x, at(x, y)});
    return v;
  }
  using Ink = std::vector<std::pair<int, int>>;
};

TEST_F(BalloonTest, at_t_0_the_title_enters_at_373_and_the_body_shows_only_its_ramp) {
  open({"A", "abc", "}"}, 0);
  draw();
  // Four copies of 'A' in 200 around column 373.
  EXPECT_EQ(inked(305, 300, 448),
            (Ink{{373, 200}, {374, 200}, {375, 200}, {379, 200}, {380, 200}, {381, 200}}));
  EXPECT_EQ(inked(299, 300, 448), (Ink{{374, 200}, {380, 200}}));
  EXPECT_EQ(inked(316, 300, 448), (Ink{{374, 200}, {380, 200}}));
  // a, b and c in 192, 193 and 194 at columns 142, 150 and 158.
  EXPECT_EQ(inked(320, 128, 300), (Ink{{143, 192},
                                       {144, 192},
                                       {149, 192},
                                       {151, 193},
                                       {152, 193},
                                       {156, 193},
                                       {159, 194},
                                       {160, 194},
                                       {164, 194},
                                       {165, 194}}));
  EXPECT_EQ(worldState().TextTicker, 1);
  EXPECT_EQ(worldState().TextShown, 0);
}

TEST_F(BalloonTest, at_t_3_abc_is_complete_and_the_cursor_follows_from_t_4) {
  open({"A", "abc", "}"}, 3);
  draw();
  for (int x : {143, 144, 149, 151, 152, 156, 159, 160, 164, 165}) EXPECT_EQ(at(x, 320), 192);
  EXPECT_EQ(worldState().TextShown, 1);
  EXPECT_EQ(at(416, 348), 0);    // no cursor yet
  EXPECT_EQ(at(350, 305), 200);  // the title slid to 373 - 24
  const std::pair<int, int> cursor[] = {{4, 50}, {7, 50}, {8, 51}, {16, 52}, {23, 52}, {24, 50}};
  for (auto [t, colour] : cursor) {
    worldState().TextTicker = t;
    draw();
    EXPECT_EQ(at(415, 345), colour) << t;
    EXPECT_EQ(at(422, 352), colour) << t;
    EXPECT_EQ(at(151, 320), 192) << t;
  }
}

TEST_F(BalloonTest, the_title_settles_at_133_with_its_face_stepping_down_to_192) {
  open({"A", "abc", "}"}, 29);
  draw();
  EXPECT_EQ(at(142, 305), 200);  // 373 - 232 = 141: columns 141 to 143
  const std::pair<int, int> faces[] = {{30, 200}, {31, 200}, {32, 199}, {45, 193}, {46, 192}};
  for (auto [t, face] : faces) {
    worldState().TextTicker = t;
    worldState().TextShown = 1;
    draw();
    EXPECT_EQ(inked(305, 128, 142),
              (Ink{{133, 200}, {134, face}, {135, 200}, {139, 200}, {140, face}, {141, 200}}))
        << t;
  }
}

TEST_F(BalloonTest, a_hangul_syllable_is_typed_whole_and_ramps_by_its_last_byte) {
  // 가 then b: at t 0 the syllable is the first look-ahead character, in 193.
  open({"A",
        "\xB0\xA1"
        "b",
        "}"},
       0);
  draw();
  EXPECT_EQ(at(142, 314), 193);
  EXPECT_EQ(inked(320, 158, 170), (Ink{{159, 194}, {160, 194}, {164, 194}}));
  // At t 1 the copy takes both bytes; the look-ahead starts at byte 2.
  worldState().TextTicker = 1;
  draw();
  EXPECT_EQ(at(142, 314), 192);
  EXPECT_EQ(inked(320, 158, 170), (Ink{{159, 192}, {160, 192}, {164, 192}}));
  EXPECT_EQ(worldState().TextShown, 0);
  worldState().TextTicker = 3;
  draw();
  EXPECT_EQ(worldState().TextShown, 1);
}

TEST_F(BalloonTest, the_look_ahead_is_15_bytes_and_a_syllable_at_the_15th_reaches_207) {
  open({"T", std::string(20, 'a'), "}"}, 0);
  draw();
  EXPECT_EQ(at(142 + 8 * 14 + 1, 320), 206);
  EXPECT_EQ(at(142 + 8 * 15 + 1, 320), 0);
  open({"T", std::string(14, 'a') + "\xB0\xA1", "}"}, 0);
  draw();
  EXPECT_EQ(at(142 + 8 * 13 + 1, 320), 205);
  EXPECT_EQ(at(142 + 8 * 14, 314), 207);
}

TEST_F(BalloonTest, the_second_row_types_from_t_10_to_t_20) {
  open({"T", "0123456789", "abcdefghij", "}"}, 5);
  draw();
  EXPECT_EQ(inked(335, 128, 300), Ink{});  // rows after the one being typed are not drawn
  worldState().TextTicker = 10;
  draw();
  EXPECT_EQ(at(217, 320), 192);  // '9' (0x39) complete at the end of the first row
  EXPECT_EQ(at(151, 334), 193);  // 'b' is the second look-ahead byte
  worldState().TextTicker = 11;
  draw();
  EXPECT_EQ(at(151, 334), 192);
  worldState().TextTicker = 19;
  draw();
  EXPECT_EQ(worldState().TextShown, 0);
  worldState().TextTicker = 20;
  draw();
  EXPECT_EQ(worldState().TextShown, 1);
  EXPECT_EQ(at(142 + 72 + 1, 334), 192);  // 'j'
}

TEST_F(BalloonTest, the_ticker_wraps_from_9998_to_9975) {
  open({"T", "x", "}"}, 9997);
  draw();
  EXPECT_EQ(worldState().TextTicker, 9998);
  draw();
  EXPECT_EQ(worldState().TextTicker, 9975);
}

TEST_F(BalloonTest, a_block_at_the_end_of_the_table_stops_there) {
  std::strcpy(world::eventTables().TextLines[500], "T");
  world::worldState().TextIndex = 500;
  worldState().TextTicker = 0;
  worldState().TextShown = 0;
  draw();
  EXPECT_EQ(worldState().TextShown, 1);
  draw();
  EXPECT_EQ(at(415, 345), 50);
}

// "bubble" has 48 frames of 16 x 12, frame f in colour 150 + f.
TEST_F(BalloonTest, an_icon_of_kind_2_opens_holds_closes_and_ends_after_130_frames) {
  world::worldState().IconOwner = 0;
  world::worldState().IconKind = 2;
  world::worldState().IconTicker = 0;
  // The hero at x 10 with the camera at 0: column 138, 20 rows above its 50-row frame.
  std::vector<int> shown;
  for (int t = 0; t < 130; ++t) {
    ASSERT_EQ(world::worldState().IconOwner, 0) << t;
    draw();
    shown.push_back(at(138, 218) - 150);
    ASSERT_EQ(at(153, 229), at(138, 218)) << t;
  }
  std::vector<int> expected;
  for (int t = 0; t < 130; ++t)
    expected.push_back(t < 30 ? 12 + t / 5 : t < 100 ? 17 : 17 - (t - 100) / 5);
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(world::worldState().IconOwner, -1);
  draw();
  EXPECT_EQ(at(138, 218), 0);
}

TEST_F(BalloonTest, an_icon_follows_its_actor_and_ends_even_when_out_of_view) {
  TestActor near, far;
  near.x = "600.0";
  far.x = "900.0";
  startMap("0\r\n", {near, far});
  world::worldState().CurrentScene->cameraX = 400;
  world::worldState().IconOwner = 1;
  world::worldState().IconKind = 0;
  world::worldState().IconTicker = 40;
  draw();
  // Map x 600 is page column 328; "MAN" frames are 30 rows high.
  EXPECT_EQ(at(328, 238), 155);
  EXPECT_EQ(at(327, 238), 0);
  world::worldState().IconOwner = 2;
  world::worldState().IconTicker = 0;
  int drawn = 0;
  for (int t = 0; t < 130; ++t) {
    draw();
    for (int y = 128; y < 368; ++y) drawn += int(inked(y, 128, 448).size());
  }
  EXPECT_EQ(drawn, 0);
  EXPECT_EQ(world::worldState().IconOwner, -1);
}

TEST_F(BalloonTest, an_icon_over_an_actor_with_an_extreme_base_row_is_drawn_nowhere) {
  // A base row from the map file at either end of the int range (a fuzzed map found the sum
  // overflowing): the balloon lies far off the page.
  TestActor low, high;
  low.baseY = -2147483647;
  high.baseY = 2147483647;
  low.x = high.x = "500.0";
  startMap("0\r\n", {low, high});
  world::worldState().CurrentScene->cameraX = 400;
  for (int owner : {1, 2}) {
    world::worldState().IconOwner = owner;
    world::worldState().IconKind = 7;
    world::worldState().IconTicker = 40;
    draw();
    int drawn = 0;
    for (int y = 0; y < display::kPageHeight; ++y)
      drawn += int(inked(y, 0, display::kPageWidth).size());
    EXPECT_EQ(drawn, 0) << owner;
  }
}

}  // namespace
