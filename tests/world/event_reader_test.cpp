// event_reader_test.cpp -- the event section of map files: every keyword and its cells, text
// blocks, and the bounds of malformed sections
#include "world/event_reader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "gfx/load_messages.h"
#include "platform/message_box.h"
#include "support/engine_fixture.h"
#include "support/test_events.h"
#include "support/test_maps.h"
#include "world/event_tables.h"
#include "world/map_messages.h"
#include "world/scene.h"

namespace {

using namespace testing_support;
using namespace testing_support::words;
using namespace world;

std::string cmd(const char* word, const std::string& args = "") {
  return args.empty() ? std::string(word) : std::string(word) + " " + args;
}

// The line (from 1) on which needle first starts in text.
int lineOf(const std::string& text, const std::string& needle) {
  const size_t at = text.find(needle);
  EXPECT_NE(at, std::string::npos) << needle;
  int line = 1;
  for (size_t i = 0; i < at && i < text.size(); ++i) line += text[i] == '\n';
  return line;
}

class EventReaderTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    startEngine();
    writeMapPicture("field");
  }
  // A map without actors whose event section is `events`; the section starts on line 4. The
  // tables are reset first, as the scene cycle resets them before every map.
  world::SceneLoad load(const std::string& events) {
    text_ = mapText("field", "cap", {}, events);
    writeFile("map/m.if", text_);
    resetEventTables();
    return scene_.load("m");
  }
  std::vector<int> ops(int e, int n) const {
    return std::vector<int>(eventTables().EventOps[e], eventTables().EventOps[e] + n);
  }
  // The one message shown names the file and the line, under the title "에러".
  void expectFault(int line, const char* reason) {
    const auto& shown = platform::shownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, gfx::text::kErrorTitle);
    EXPECT_EQ(shown[0].text,
              "map\\m.if, " + std::to_string(line) + world::text::kLineSuffix + reason);
    // The map is still played: its caption starts.
    EXPECT_EQ(scene_.captionTimer, 1);
  }
  void expectNoMessage() { EXPECT_TRUE(platform::shownMessages().empty()); }
  std::string text_;
  Scene scene_;
};

TEST_F(EventReaderTest, label_hold_camera_label_fills_three_steps) {
  ASSERT_EQ(load(eventSection({eventText("7", {kHeroHold, kCamera})})), SceneLoad::kLoaded);
  expectNoMessage();
  EXPECT_EQ(ops(7, 4), (std::vector<int>{101, 91, -1, -1}));
  for (int s = 2; s < kStepCount; ++s) ASSERT_EQ(eventTables().EventOps[7][s], -1) << s;
  for (int e = 0; e < kEventCount; ++e)
    EXPECT_EQ(eventTables().EventOps[e][0], e == 7 ? 101 : -1) << e;
  EXPECT_EQ(worldState().NextTextLine, 0);
}

TEST_F(EventReaderTest, every_keyword_stores_its_opcode_and_cells) {
  struct Case {
    std::string command;
    int op, a1, a2;
    const char* str;
  };
  const std::vector<Case> cases = {
      {cmd(kHeroHold), 101, 0, 0, ""},
      {cmd(kHeroRelease), 102, 0, 0, ""},
      {cmd(kHeroFaceLeft), 103, 0, 0, ""},
      {cmd(kHeroFaceRight), 104, 0, 0, ""},
      {cmd(kHeroMove, "250"), 105, 250, 0, ""},
      {cmd(kHeroWalkLeft, "30"), 106, 30, 0, ""},
      {cmd(kHeroWalkRight, "-5"), 107, -5, 0, ""},
      {cmd(kHeroLookDown), 108, 0, 0, ""},
      {cmd(kHeroLookUp), 109, 0, 0, ""},
      {cmd(kCamera), 91, 0, 0, ""},
      {cmd(kFlag, "3 1"), 2, 1, 0, "3"},
      {cmd(kFlag, "+08\r\n-2"), 2, -2, 0, "8"},  // written back with "%d"
      {cmd(kIf, std::string(kFlag) + " 3 1 12"), 3, 1, 12, "3"},
      // The flag token is kept as read; the value and event take their leading digits.
      {cmd(kIf, std::string(kFlag) + " 07 x1 12abc"), 3, 0, 12, "07"},
      {cmd(kVisual, "intro"), 9, 0, 0, "intro"},
      {cmd(kWarp, "town 600"), 10, 600, 0, "town"},
      {cmd(kIcon, "2 3"), 11, 2, 3, ""},
      {cmd(kFaceLeft, "1"), 12, 1, 0, ""},
      {cmd(kFaceRight, "4"), 13, 4, 0, ""},
      {cmd(kWalkLeft, "1 40"), 14, 1, 40, ""},
      {cmd(kWalkRight, "0 20"), 15, 0, 20, ""},
      {cmd(kVanish, "2"), 16, 2, 0, ""},
      {cmd(kGameEnd), 200, 0, 0, ""},
  };
  std::vector<std::string> commands;
  for (const auto& c : cases) commands.push_back(c.command);
  ASSERT_EQ(load(eventSection({eventText("30", commands)})), SceneLoad::kLoaded);
  expectNoMessage();
  for (size_t s = 0; s < cases.size(); ++s) {
    SCOPED_TRACE(cases[s].command);
    EXPECT_EQ(eventTables().EventOps[30][s], cases[s].op);
    EXPECT_EQ(eventTables().EventArg1[30][s], cases[s].a1);
    EXPECT_EQ(eventTables().EventArg2[30][s], cases[s].a2);
    EXPECT_STREQ(eventTables().EventStr[30][s], cases[s].str);
  }
  EXPECT_EQ(eventTables().EventOps[30][cases.size()], -1);
}

// The reset clears only the string cells that the reader handed out: every one of them.
TEST_F(EventReaderTest, the_next_reset_leaves_every_byte_of_the_tables_as_new) {
  const std::string longName(254, 'w');
  ASSERT_EQ(load(eventSection({eventText("0", {cmd(kVisual, longName)}),
                               eventText("100", {cmd(kHeroHold), cmd(kWarp, "town 600"),
                                                 cmd(kIf, std::string(kFlag) + " 3 1 12")}),
                               eventText("7", {cmd(kFlag, "3 1"), textBlock("t", {"row"})})})),
            SceneLoad::kLoaded);
  ASSERT_STREQ(eventTables().EventStr[0][0], longName.c_str());
  ASSERT_STREQ(eventTables().EventStr[100][1], "town");
  resetEventTables();
  const auto* bytes = reinterpret_cast<const unsigned char*>(eventTables().EventStr);
  EXPECT_TRUE(std::all_of(bytes, bytes + sizeof eventTables().EventStr,
                          [](unsigned char b) { return b == 0; }));
  EXPECT_TRUE(std::all_of(&eventTables().EventOps[0][0],
                          &eventTables().EventOps[0][0] + kEventCount * kStepCount,
                          [](int32_t op) { return op == -1; }));
  EXPECT_EQ(eventTables().TextLines[0][0], 0);
  EXPECT_EQ(eventTables().EventArg1[100][1], 0);
}

TEST_F(EventReaderTest, two_text_blocks_in_a_row_start_at_rows_0_and_4) {
  const std::string events =
      eventSection({eventText("5", {textBlock("Kim", {"first line", "second"}),
                                    // Blanks stay; only a row that is exactly "}" ends the block.
                                    textBlock("Lee", {" two  blanks ", "} ", "}x", ""})})});
  ASSERT_EQ(load(events), SceneLoad::kLoaded);
  expectNoMessage();
  EXPECT_EQ(ops(5, 3), (std::vector<int>{1, 1, -1}));
  EXPECT_STREQ(eventTables().EventStr[5][0], "0");
  EXPECT_STREQ(eventTables().EventStr[5][1], "4");
  const std::vector<std::string> rows = {"Kim",           "first line", "second", "}", "Lee",
                                         " two  blanks ", "} ",         "}x",     "",  "}"};
  for (size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(eventTables().TextLines[i], rows[i]) << "row " << i;
  EXPECT_EQ(worldState().NextTextLine, 10);
  EXPECT_STREQ(eventTables().TextLines[10], "");
}

TEST_F(EventReaderTest, a_misspelt_keyword_takes_its_step_and_keeps_the_end_mark) {
  // 주인공-차렸 instead of 주인공-차렷, as the sixth command.
  const std::string misspelt = "\xC1\xD6\xC0\xCE\xB0\xF8-\xC2\xF7\xB7\xC8";
  ASSERT_EQ(load(eventSection({eventText("12", {kHeroHold, kHeroRelease, kHeroHold, kHeroRelease,
                                                kCamera, misspelt, kGameEnd, kCamera})})),
            SceneLoad::kLoaded);
  expectNoMessage();
  EXPECT_EQ(ops(12, 9), (std::vector<int>{101, 102, 101, 102, 91, -1, 200, 91, -1}));
}

TEST_F(EventReaderTest, a_number_that_does_not_convert_is_read_again_as_a_command) {
  ASSERT_EQ(load(eventSection({eventText(
                "9", {cmd(kHeroMove, kGameEnd), cmd(kWalkLeft, "1 x"),
                      // The digits are the number; the rest of the token is the next command.
                      cmd(kHeroWalkRight, std::string("15") + kCamera)})})),
            SceneLoad::kLoaded);
  expectNoMessage();
  EXPECT_EQ(ops(9, 6), (std::vector<int>{105, 200, 14, -1, 107, 91}));
  EXPECT_EQ(eventTables().EventArg1[9][0], 0);
  EXPECT_EQ(eventTables().EventArg1[9][2], 1);
  EXPECT_EQ(eventTables().EventArg2[9][2], 0);
  EXPECT_EQ(eventTables().EventArg1[9][4], 15);
  EXPECT_EQ(eventTables().EventOps[9][6], -1);
}

TEST_F(EventReaderTest, if_without_flag_uses_up_the_word_after_it) {
  ASSERT_EQ(load(eventSection({eventText("4", {cmd(kIf, kGameEnd), kGameEnd})})),
            SceneLoad::kLoaded);
  expectNoMessage();
  EXPECT_EQ(ops(4, 3), (std::vector<int>{-1, 200, -1}));
}

TEST_F(EventReaderTest, a_second_definition_is_written_over_the_first_step_by_step) {
  ASSERT_EQ(load(eventSection(
                {eventText("3", {kGameEnd, kCamera, kCamera}), eventText("3", {kHeroHold})})),
            SceneLoad::kLoaded);
  EXPECT_EQ(ops(3, 5), (std::vector<int>{101, -1, 91, -1, -1}));
}

TEST_F(EventReaderTest, a_label_without_digits_is_event_0_and_a_padded_one_counts) {
  ASSERT_EQ(load(eventSection({eventText("start", {kGameEnd}), eventText("0000042", {kCamera})})),
            SceneLoad::kLoaded);
  expectNoMessage();
  EXPECT_EQ(ops(0, 2), (std::vector<int>{200, -1}));
  EXPECT_EQ(ops(42, 2), (std::vector<int>{91, -1}));
}

TEST_F(EventReaderTest, an_event_number_outside_0_to_100_stops_the_section) {
  for (const std::string label : {"101", "-1"}) {
    SCOPED_TRACE(label);
    resetEventTables();
    platform::clearShownMessages();
    scene_.captionTimer = 0;
    const std::string events = eventSection(
        {eventText("7", {kGameEnd}), eventText(label, {kCamera}), eventText("8", {kGameEnd})});
    ASSERT_EQ(load(events), SceneLoad::kMapMalformed);
    expectFault(lineOf(text_, "\n" + label) + 1, world::text::kEventNumber);
    EXPECT_EQ(ops(7, 2), (std::vector<int>{200, -1}));
    EXPECT_EQ(eventTables().EventOps[8][0], -1);
  }
}

TEST_F(EventReaderTest, an_event_holds_199_commands_and_its_end_mark) {
  const std::vector<std::string> fits(199, kHeroHold);
  ASSERT_EQ(load(eventSection({eventText("6", fits)})), SceneLoad::kLoaded);
  expectNoMessage();
  EXPECT_EQ(eventTables().EventOps[6][198], 101);
  EXPECT_EQ(eventTables().EventOps[6][199], -1);
}

TEST_F(EventReaderTest, a_201st_step_is_refused_and_the_200_before_it_kept) {
  std::vector<std::string> tooMany(200, kHeroHold);
  tooMany[199] = kCamera;
  ASSERT_EQ(load(eventSection({eventText("6", tooMany), eventText("8", {kGameEnd})})),
            SceneLoad::kMapMalformed);
  // Count, label and 200 commands: the closing label on line 4 + 202 is the 201st step.
  expectFault(206, world::text::kTooManySteps);
  EXPECT_EQ(eventTables().EventOps[6][0], 101);
  EXPECT_EQ(eventTables().EventOps[6][199], 91);
  EXPECT_EQ(eventTables().EventOps[7][0], -1);
  EXPECT_EQ(eventTables().EventOps[8][0], -1);
}

TEST_F(EventReaderTest, the_501_text_rows_fill_and_a_502nd_is_refused) {
  // Title, 499 body rows and "}": all 501 rows.
  const std::vector<std::string> body(499, "row");
  ASSERT_EQ(load(eventSection({eventText("1", {textBlock("full", body)})})), SceneLoad::kLoaded);
  expectNoMessage();
  EXPECT_EQ(worldState().NextTextLine, 501);
  EXPECT_STREQ(eventTables().TextLines[500], "}");

  resetEventTables();
  const std::vector<std::string> shorter(498, "row");
  const std::string events =
      eventSection({eventText("1", {textBlock("full", shorter), textBlock("more", {"last"})})});
  ASSERT_EQ(load(events), SceneLoad::kMapMalformed);
  // The second block's title takes row 500; its body row would be the 502nd.
  expectFault(lineOf(text_, "last"), world::text::kTooManyTextLines);
  EXPECT_STREQ(eventTables().TextLines[500], "more");
  EXPECT_EQ(worldState().NextTextLine, 501);
  EXPECT_STREQ(eventTables().EventStr[1][1], "500");
}

TEST_F(EventReaderTest, a_missing_end_label_or_end_row_stops_at_the_end_of_the_file) {
  const std::string noLabel = "2\r\n" + eventText("7", {kGameEnd}) + "8\r\n" + kCamera + "\r\n";
  ASSERT_EQ(load(noLabel), SceneLoad::kMapMalformed);
  expectFault(lineOf(text_, kCamera) + 1, world::text::kEndsEarly);
  EXPECT_EQ(ops(7, 2), (std::vector<int>{200, -1}));
  EXPECT_EQ(ops(8, 2), (std::vector<int>{91, -1}));

  resetEventTables();
  platform::clearShownMessages();
  const std::string noEndRow =
      "1\r\n9\r\n" + std::string(kText) + " title -\r\nbody one\r\nbody two\r\n";
  ASSERT_EQ(load(noEndRow), SceneLoad::kMapMalformed);
  expectFault(lineOf(text_, "body two") + 1, world::text::kEndsEarly);
  EXPECT_EQ(eventTables().EventOps[9][0], 1);
  EXPECT_STREQ(eventTables().TextLines[0], "title");
  EXPECT_STREQ(eventTables().TextLines[2], "body two");
  EXPECT_EQ(worldState().NextTextLine, 3);
}

TEST_F(EventReaderTest, tokens_and_rows_longer_than_their_cells_are_refused) {
  struct Case {
    std::string events;
    std::string at;
    const char* reason;
  };
  const std::string name254(254, 'n'), row254(254, 'r');
  // Fields that fit exactly.
  ASSERT_EQ(load(eventSection({eventText("1", {cmd(kWarp, name254 + " 5"), textBlock("t", {row254}),
                                               cmd(kVisual, name254)})})),
            SceneLoad::kLoaded);
  expectNoMessage();
  EXPECT_EQ(std::string(eventTables().EventStr[1][0]), name254);
  EXPECT_EQ(std::string(eventTables().TextLines[1]), row254);

  const std::vector<Case> cases = {
      {eventSection({eventText("12345678", {kGameEnd})}), "12345678", world::text::kWordTooLong},
      {eventSection({eventText("1", {cmd(kWarp, "w" + name254 + " 5")})}), "w" + name254,
       world::text::kWordTooLong},
      {eventSection({eventText("1", {textBlock("t", {"x" + row254})})}), "x" + row254,
       world::text::kLineTooLong},
      {eventSection({eventText("1", {cmd(kHeroMove, "99999999999")})}), "99999999999",
       world::text::kNoNumber},
      // The title line must end right after its second token.
      {"1\r\n1\r\n" + std::string(kText) + " t - extra\r\n}\r\n1\r\n", "extra",
       world::text::kNotCrLf},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.at.substr(0, 12));
    resetEventTables();
    platform::clearShownMessages();
    ASSERT_EQ(load(c.events), SceneLoad::kMapMalformed);
    expectFault(lineOf(text_, c.at), c.reason);
  }
}

TEST_F(EventReaderTest, a_missing_or_absurd_event_count) {
  ASSERT_EQ(load(""), SceneLoad::kMapMalformed);
  expectFault(4, world::text::kEndsEarly);
  resetEventTables();
  platform::clearShownMessages();
  // No events at all for a negative count.
  ASSERT_EQ(load("-3\r\n" + eventText("7", {kGameEnd})), SceneLoad::kLoaded);
  expectNoMessage();
  EXPECT_EQ(eventTables().EventOps[7][0], -1);
}

}  // namespace
