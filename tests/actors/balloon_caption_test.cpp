// balloon_caption_test.cpp -- the map caption's five phases on the page: the blended fly-in,
// the outline ramp up and back, and the end at 216
#include <cstring>
#include <vector>

#include "display/display_state.h"
#include "display/pixel_page.h"
#include "support/test_events.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using world::worldState;
using namespace testing_support;

// With the test font 'A' inks columns 1 and 7 of its cell on all 16 rows. The
// known palette's mixing table gives (p + level) / 2 over page index p.
class CaptionTest : public EventWorldTest {
 protected:
  void SetUp() override {
    EventWorldTest::SetUp();
    startMap("0\r\n");
    std::strcpy(worldState().CurrentScene->caption, "A");
  }
  void drawAt(int a) {
    for (int y = 0; y < display::kPageHeight; ++y)
      std::memset(display::displayState().APAGE->row(y), 0, display::kPageWidth);
    worldState().CurrentScene->captionTimer = a;
    worldState().CurrentScene->drawCaption();
  }
  static int at(int x, int y) { return display::displayState().APAGE->row(y)[x]; }
  static int inkedCount() {
    int n = 0;
    for (int y = 0; y < display::kPageHeight; ++y)
      for (int x = 0; x < display::kPageWidth; ++x) n += at(x, y) != 0;
    return n;
  }
};

TEST_F(CaptionTest, the_two_blended_copies_fly_in_from_194_and_meet_at_132) {
  drawAt(1);
  // Level 207 over paper 0: (0 + 207) / 2.
  EXPECT_EQ(at(195, 135), 103);
  EXPECT_EQ(at(201, 135), 103);
  EXPECT_EQ(at(131, 200), 103);
  EXPECT_EQ(at(137, 209), 103);
  EXPECT_EQ(at(195, 146), 0);
  EXPECT_EQ(inkedCount(), 64);
  EXPECT_EQ(worldState().CurrentScene->captionTimer, 2);
  drawAt(63);
  // Level 207 - 15 = 192.
  EXPECT_EQ(at(133, 131), 96);
  EXPECT_EQ(at(139, 131), 96);
  EXPECT_EQ(at(131, 146), 96);
  EXPECT_EQ(at(137, 147), 96);
  EXPECT_EQ(at(133, 129), 0);
}

TEST_F(CaptionTest, the_outline_ramps_from_192_to_207_and_back_around_a_face_of_192) {
  const std::pair<int, int> outlines[] = {{64, 192},  {67, 192},  {68, 193},  {100, 201},
                                          {127, 207}, {128, 207}, {199, 207}, {200, 207},
                                          {201, 206}, {215, 192}};
  for (auto [a, outline] : outlines) {
    drawAt(a);
    SCOPED_TRACE(a);
    // Row 135: the outline's copies left and right, the face between.
    EXPECT_EQ(at(130, 135), outline);
    EXPECT_EQ(at(131, 135), 192);
    EXPECT_EQ(at(132, 135), outline);
    EXPECT_EQ(at(137, 135), 192);
    EXPECT_EQ(at(138, 135), outline);
    // Only the copy one row up reaches row 129, only the one below row 146.
    EXPECT_EQ(at(131, 129), outline);
    EXPECT_EQ(at(131, 146), outline);
    EXPECT_EQ(at(131, 147), 0);
    EXPECT_EQ(worldState().CurrentScene->captionTimer, a + 1);
  }
}

TEST_F(CaptionTest, at_216_nothing_is_drawn_and_the_caption_is_over) {
  drawAt(216);
  EXPECT_EQ(inkedCount(), 0);
  EXPECT_EQ(worldState().CurrentScene->captionTimer, 0);
}

TEST_F(CaptionTest, the_caption_draws_in_the_215_frames_after_a_load) {
  worldState().CurrentScene->captionTimer = 1;
  int drawnFrames = 0, calls = 0;
  while (worldState().CurrentScene->captionTimer != 0 && calls < 1000) {
    for (int y = 0; y < display::kPageHeight; ++y)
      std::memset(display::displayState().APAGE->row(y), 0, display::kPageWidth);
    worldState().CurrentScene->drawCaption();
    drawnFrames += inkedCount() > 0;
    ++calls;
  }
  EXPECT_EQ(calls, 216);
  EXPECT_EQ(drawnFrames, 215);
}

}  // namespace
