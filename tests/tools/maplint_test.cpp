// maplint_test.cpp -- maplint on small maps, one fault each, and txt2cp949
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "actors/actor.h"
#include "platform/encoding.h"
#include "platform/message_box.h"
#include "support/engine_fixture.h"
#include "support/test_maps.h"
#include "tools/run_tool.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace {

using testing_support::EngineTest;
using testing_support::readFile;
using testing_support::writeFile;
using tools_testing::runTool;

// A map that uses every command and every behaviour keyword, correctly (UTF-8, LF).
constexpr const char* kGoodMap =
    "bg\n"                                   // 1
    "눈 마을\n"                              // 2
    "2\n"                                    // 3
    "영희 ,100 ,288 ,1.3 ,girl ,5 ,0 ,0\n"   // 4
    "2\n"                                    // 5
    "서있기 30\n"                            // 6
    "말하기 안녕!\n"                         // 7
    "철수 ,300.5 ,288 ,1.0 ,boy ,0 ,1 ,2\n"  // 8
    "3\n"                                    // 9
    "그림찍기 10\n"                          // 10
    "왼쪽으로가기 20\n"                      // 11
    "오른쪽으로가기 20\n"                    // 12
    "3\n"                                    // 13
    "99\n"                                   // 14
    "주인공-차렷\n"                          // 15
    "카메라-셋\n"                            // 16
    "플러그 3 1\n"                           // 17
    "만약 플러그 3 1 5\n"                    // 18
    "주인공-쉬어\n"                          // 19
    "99\n"                                   // 20
    "5\n"                                    // 21
    "글씨찍기 영희 -\n"                      // 22
    "안녕하세요.\n"                          // 23
    "}\n"                                    // 24
    "풍선찍기 2 7\n"                         // 25
    "좌로가 1 30\n"                          // 26
    "사라진다 0\n"                           // 27
    "주인공-이동 400\n"                      // 28
    "주인공-좌로가 10\n"                     // 29
    "주인공-우로가 10\n"                     // 30
    "주인공-왼쪽보기\n"                      // 31
    "주인공-오른쪽보기\n"                    // 32
    "주인공-아래보기\n"                      // 33
    "주인공-위에보기\n"                      // 34
    "왼쪽보기 1\n"                           // 35
    "오른쪽보기 0\n"                         // 36
    "우로가 0 5\n"                           // 37
    "비주얼모드 opening\n"                   // 38
    "워프 21 600\n"                          // 39
    "5\n"                                    // 40
    "98\n"                                   // 41
    "게임끝\n"                               // 42
    "98\n";                                  // 43

constexpr const char* kDelete = "\x01";

// kGoodMap with lines replaced (kDelete removes a line; text may hold several lines).
std::string edited(const std::map<int, std::string>& changes) {
  std::vector<std::string> lines;
  const std::string good = kGoodMap;
  for (size_t start = 0; start < good.size();) {
    const size_t end = good.find('\n', start);
    lines.push_back(good.substr(start, end - start));
    start = end + 1;
  }
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    const auto it = changes.find(int(i) + 1);
    if (it == changes.end())
      out += lines[i] + "\n";
    else if (it->second != kDelete)
      out += it->second + "\n";
  }
  return out;
}

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

// Whether a line of maplint's output names m.map at this line and holds this text.
bool reports(const std::string& output, int line, const std::string& text) {
  const std::string start = "m.map:" + std::to_string(line) + ": ";
  for (size_t at = output.find(start); at != std::string::npos; at = output.find(start, at + 1)) {
    const std::string row = output.substr(at, output.find('\n', at) - at);
    if ((at == 0 || output[at - 1] == '\n') && row.find(text) != std::string::npos) return true;
  }
  return false;
}

// maplint's output without its closing count of errors and warnings (on stderr).
std::string findings(const std::string& output) {
  const size_t summary = output.rfind("maplint: ");
  return summary == std::string::npos ? output : output.substr(0, summary);
}

// maplint with these arguments; its findings go to output.
int runLint(const std::vector<std::string>& args, std::string& output) {
  const int status = runTool("maplint", args, &output);
  output = findings(output);
  return status;
}

class MapLint : public EngineTest {
 protected:
  // maplint on a UTF-8 map without data folder checks.
  int lint(const std::string& map, std::string& output) {
    writeFile("m.map", map);
    return runLint({"--utf8", "--no-data", "m.map"}, output);
  }
  std::string lintOutput(const std::string& map) {
    std::string output;
    lint(map, output);
    return output;
  }
  // The game's reading of map/m.if, with the picture and packs that the correct map names.
  world::SceneLoad loadInGame(world::Scene& scene) {
    startEngine();
    testing_support::writeMapPicture("bg");
    testing_support::writeSolidPack("girl", 12, 30, 40, 60);
    testing_support::writeSolidPack("boy", 12, 30, 40, 60);
    world::resetEventTables();
    return scene.load("m");
  }
};

TEST_F(MapLint, a_correct_map_passes_in_both_encodings_and_the_game_loads_it_whole) {
  std::string output;
  EXPECT_EQ(lint(kGoodMap, output), 0) << output;
  EXPECT_EQ(output, "");
  ASSERT_EQ(runTool("txt2cp949", {"m.map", "map/m.if"}), 0);
  EXPECT_EQ(runLint({"--no-data", "map/m.if"}, output), 0) << output;

  // The game reads the same file without a fault.
  world::Scene scene;
  EXPECT_EQ(loadInGame(scene), world::SceneLoad::kLoaded);
  EXPECT_TRUE(platform::shownMessages().empty());
  EXPECT_EQ(scene.actorCount, 2);
  EXPECT_EQ(world::eventTables().EventOps[5][0], world::kOpText);
  EXPECT_EQ(world::eventTables().EventOps[5][15], world::kOpWarp);
  EXPECT_EQ(world::eventTables().EventOps[5][16], world::kOpEnd);
  EXPECT_EQ(world::eventTables().EventOps[98][0], world::kOpGameEnd);
  EXPECT_EQ(world::worldState().NextTextLine, 3);
}

TEST_F(MapLint, every_keyword_of_the_correct_map_makes_its_own_step_in_the_game) {
  writeFile("m.map", kGoodMap);
  ASSERT_EQ(runTool("txt2cp949", {"m.map", "map/m.if"}), 0);
  world::Scene scene;
  ASSERT_EQ(loadInGame(scene), world::SceneLoad::kLoaded);
  using namespace world;
  const std::vector<int32_t> entry = {kOpHeroHold, kOpCamera,      kOpFlag,
                                      kOpIf,       kOpHeroRelease, kOpEnd};
  const std::vector<int32_t> five = {kOpText,
                                     kOpIcon,
                                     kOpActorWalkLeft,
                                     kOpActorVanish,
                                     kOpHeroMove,
                                     kOpHeroWalkLeft,
                                     kOpHeroWalkRight,
                                     kOpHeroFaceLeft,
                                     kOpHeroFaceRight,
                                     kOpHeroLookDown,
                                     kOpHeroLookUp,
                                     kOpActorFaceLeft,
                                     kOpActorFaceRight,
                                     kOpActorWalkRight,
                                     kOpVisual,
                                     kOpWarp,
                                     kOpEnd};
  EXPECT_EQ(
      std::vector<int32_t>(eventTables().EventOps[99], eventTables().EventOps[99] + entry.size()),
      entry);
  EXPECT_EQ(
      std::vector<int32_t>(eventTables().EventOps[5], eventTables().EventOps[5] + five.size()),
      five);
  EXPECT_EQ(eventTables().EventOps[98][0], kOpGameEnd);
  // And every behaviour keyword its own step code.
  ASSERT_EQ(scene.actorCount, 2);
  const int32_t* girl = scene.actors[0]->stepCodes;
  const int32_t* boy = scene.actors[1]->stepCodes;
  EXPECT_EQ(std::vector<int32_t>(girl, girl + 3),
            (std::vector<int32_t>{actors::kStepStand, actors::kStepSpeak, actors::kStepEnd}));
  EXPECT_EQ(std::vector<int32_t>(boy, boy + 4),
            (std::vector<int32_t>{actors::kStepPicture, actors::kStepWalkLeft,
                                  actors::kStepWalkRight, actors::kStepEnd}));
}

// Each broken map gives one error, at its line, and the keyword meant when one is near.
TEST_F(MapLint, each_fault_is_reported_once_at_its_line) {
  const std::string hangul = "가";
  struct Case {
    std::map<int, std::string> changes;
    int line;
    std::string message;
    std::string meant = {};  // the keyword suggested, if any
  } cases[] = {
      {{{16, "카메라셋"}}, 16, "error: unknown command '카메라셋'", "카메라-셋"},
      {{{6, "서있다 30"}},
       6,
       "error: actor 0 (영희): unknown behaviour keyword '서있다'",
       "서있기"},
      {{{43, kDelete}}, 41, "error: event 98 is not closed"},
      {{{24, kDelete}}, 22, "error: text block is not closed"},
      {{{17, "플러그 3 x1"}}, 17, "error: '플러그' needs a number (value), not 'x1'"},
      {{{4, "영희 ,abc ,288 ,1.3 ,girl ,5 ,0 ,0"}}, 4, "error: actor 0 (영희): x: 'abc' is not"},
      {{{4, "영희 ,100 ,288 ,1.3 ,girl ,5 ,0"}},
       4,
       "error: actor 0 (영희): missing ',' after the facing"},
      {{{9, "x3"}}, 9, "error: actor 1 (철수): behaviour count: 'x3' is not a number"},
      {{{4, "영희 ,100 ,288 ,1.3 ,girl ,101 ,0 ,0"}}, 4, "event 101 is outside 0..100"},
      {{{41, "120"}, {43, "120"}}, 41, "error: label '120' gives event 120, outside 0..100"},
      {{{27, "사라진다 2"}}, 27, "error: actor slot 2 is outside 0..1"},
      {{{26, "좌로가 -1 30"}}, 26, "error: actor slot -1 is outside 0..1"},
      {{{25, "풍선찍기 3 7"}}, 25, "error: icon owner 3 is outside 0..2"},
      {{{17, "플러그 100 1"}}, 17, "error: flag 100 is outside 0..99"},
      {{{18, "만약 플러그 -1 1 5"}}, 18, "error: flag -1 is outside 0..99"},
      {{{18, "만약 플러그 3 1 42"}}, 18, "error: jump to event 42, which the map does not define"},
      {{{18, "만약 플러그 3 1 101"}}, 18, "error: jump to event 101, outside 0..100"},
      {{{18, "만약 주인공 3 1 5"}}, 18, "error: '만약' must be followed by '플러그'"},
      {{{25, "풍선찍기 2 8"}}, 25, "error: icon kind 8 is outside 0..7"},
      {{{2, repeat(hangul, 128)}}, 2, "is 256 bytes; at most 254 fit"},
      {{{4, repeat(hangul, 10) + " ,100 ,288 ,1.3 ,girl ,5 ,0 ,0"}}, 4, "is 20 bytes; at most 19"},
      {{{41, "12345678"}, {43, "12345678"}}, 41, "error: label '12345678' is 8 bytes; at most 7"},
      {{{23, std::string(255, 'a')}}, 23, "error: text line 'aaaa"},
      {{{7, "말하기 " + repeat(hangul, 127)}}, 7, "error: actor 0 (영희): speech line"},
      {{{39, "워프 " + std::string(255, 'm') + " 600"}}, 39, "error: map name 'mmm"},
      {{{3, "51"}}, 3, "error: actor count 51 is outside 0..50"},
      {{{5, "30"}}, 5, "error: actor 0 (영희): 30 behaviour entries; the list holds 0 to 29"},
      {{{1, "bg x"}}, 1, "error: the background name must end its line"},
      {{{22, "글씨찍기 영희 - 더"}}, 22, "error: '글씨찍기' takes exactly two words"},
      {{{4, "영희,100 ,288 ,1.3 ,girl ,5 ,0 ,0"}}, 4, "error: actor 0: put a blank between"},
      {{{13, "4"}}, 13, "error: the event count is 4, but the file ends after 3 events"},
  };
  for (const Case& c : cases) {
    std::string output;
    EXPECT_EQ(lint(edited(c.changes), output), 1) << c.message;
    size_t errors = 0;
    for (size_t at = output.find(": error: "); at != std::string::npos;
         at = output.find(": error: ", at + 1))
      ++errors;
    EXPECT_EQ(errors, 1u) << output;
    EXPECT_TRUE(reports(output, c.line, c.message))
        << "want line " << c.line << ": " << c.message << "\ngot\n"
        << output;
    EXPECT_EQ(output.find("did you mean"),
              c.meant.empty() ? std::string::npos : output.find("did you mean '" + c.meant + "'?"))
        << output;
  }
}

TEST_F(MapLint, after_a_fault_the_reading_goes_on_at_the_next_line_or_event) {
  // A misspelt keyword with words after it, a misspelt command with arguments, a text
  // block under a misspelt keyword, a mistyped closing label, and a real fault found
  // only once every event has been read.
  const std::string map = edited({{7, "말하가 어서 오게, 젊은 나그네."},
                                  {17, "플러그가 3 1"},
                                  {18, "만약 플러그 3 1 42"},
                                  {20, "9"},
                                  {22, "글씨찍가 영희 -"}});
  std::string output;
  EXPECT_EQ(lint(map, output), 1);
  EXPECT_EQ(output,
            "m.map:7: error: actor 0 (영희): unknown behaviour keyword '말하가'; did you mean "
            "'말하기'?\n"
            "m.map:17: error: unknown command '플러그가' (the event ends here when it runs); did "
            "you mean '플러그'?\n"
            "m.map:18: error: jump to event 42, which the map does not define\n"
            "m.map:20: error: event 99 is closed by '9', not by its label '99'\n"
            "m.map:22: error: unknown command '글씨찍가' (the event ends here when it runs); did "
            "you mean '글씨찍기'?\n");

  // With the data folder: the typo hides no missing warp target.
  writeFile("m.map", edited({{7, "말하가 어서 오게, 젊은 나그네."}, {39, "워프 29 600"}}));
  ASSERT_EQ(runTool("txt2cp949", {"m.map", "data/map/m.if"}), 0);
  EXPECT_EQ(runLint({"data/map/m.if"}, output), 1);
  EXPECT_NE(output.find("m.if:7: error: actor 0 (영희): unknown behaviour keyword '말하가'"),
            std::string::npos);
  EXPECT_NE(output.find("m.if:39: error: warp target map/29.if is missing"), std::string::npos);

  // Counts that do not match the lines after them, and a missing event count.
  EXPECT_EQ(lintOutput(edited({{3, "3"}, {5, "1"}, {13, kDelete}})),
            "m.map:3: error: the actor count is 3, but 2 actor records follow\n"
            "m.map:5: error: actor 0 (영희): the behaviour count is 1, but more entries follow\n"
            "m.map:13: error: the event count is missing: '99' is read as the count, and "
            "'주인공-차렷' as the first event's label\n");
  // A missing closing label, and a command without its number before the next command.
  EXPECT_EQ(lintOutput(edited({{20, kDelete}, {28, "주인공-이동"}})),
            "m.map:20: error: event 99 is not closed: '5' starts another event before its "
            "closing label '99'\n"
            "m.map:28: error: '주인공-이동' needs a number (the hero's x), not '주인공-좌로가', "
            "which is read as the next command\n");
}

// The slips of an editor: a line lost, doubled or joined to the next.
TEST_F(MapLint, a_line_lost_doubled_or_joined_gives_one_error) {
  const struct {
    std::map<int, std::string> changes;
    int line;
    std::string message;
  } cases[] = {
      {{{1, kDelete}}, 1, "the background name must end its line"},
      {{{3, "2\n2"}}, 3, "the actor count is given twice"},
      {{{5, "2\n2"}}, 5, "actor 0 (영희): the behaviour count is given twice"},
      {{{4, "영희 ,100 ,288 ,1.3 ,girl ,5 ,0 ,0 2"}, {5, kDelete}},
       4,
       "actor 0 (영희): the behaviour count 2 belongs on the next line"},
      {{{8, kDelete}}, 8, "actor 1: its line is missing"},
      {{{20, "99\n99"}}, 21, "closing label '99' is given twice"},
      {{{20, "9x"}}, 20, "event 99 is closed by '9x', not by its label '99'"},
      {{{21, kDelete}}, 21, "an event's label is missing: '글씨찍기'"},
      {{{22, kDelete}}, 22, "unknown command '안녕하세요.' (the lines after it, up to the '}'"},
      {{{24, "} 풍선찍기 2 7"}, {25, kDelete}},
       24,
       "the '}' line must hold '}' alone: '풍선찍기' belongs on the next line"},
  };
  for (const auto& c : cases) {
    const std::string output = lintOutput(edited(c.changes));
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1) << output;
    EXPECT_TRUE(reports(output, c.line, "error: " + c.message)) << output;
  }
}

TEST_F(MapLint, limits_hold_exactly_at_their_bounds) {
  // 199 commands fit in an event, the 200th does not (event 99's other four go).
  const std::string command = "주인공-차렷\n";
  const auto event99 = [&](int commands) {
    return edited({{15, repeat(command, commands)},
                   {16, kDelete},
                   {17, kDelete},
                   {18, kDelete},
                   {19, kDelete}});
  };
  EXPECT_EQ(lintOutput(event99(199)), "");
  EXPECT_EQ(lintOutput(event99(200)), "m.map:214: error: event 99 has more than 199 commands\n");

  // 501 text lines in the map: the good map's block takes 3, each block here 3 more.
  const std::string block = "글씨찍기 t -\n가\n}\n";
  EXPECT_EQ(lintOutput(edited({{16, repeat(block, 166)}})), "");
  EXPECT_NE(lintOutput(edited({{16, repeat(block, 167)}}))
                .find("m.map:523: error: the map's text blocks need more than 501 lines"),
            std::string::npos);

  // 254 bytes fill a cell, a name takes 19, a label 7.
  EXPECT_EQ(lintOutput(edited({{2, repeat("가", 127)},
                               {4, repeat("가", 9) + "a ,100 ,288 ,1.3 ,girl ,5 ,0 ,0"},
                               {14, "0000099"},
                               {20, "0000099"}})),
            "");

  // 50 actors and 29 behaviour entries fit.
  const std::string actor = "a ,0 ,288 ,1 ,p ,0 ,0 ,0\n29\n" + repeat("서있기 1\n", 29);
  EXPECT_EQ(lintOutput("bg\n\n50\n" + repeat(actor, 50) + "0\n"), "");
  const std::string extra = lintOutput("bg\n\n51\n" + repeat(actor, 51) + "0\n");
  EXPECT_EQ(extra, "m.map:3: error: actor count 51 is outside 0..50\n");
}

TEST_F(MapLint, balloon_warnings_leave_the_exit_status_at_0) {
  std::string output;
  // 19 two-byte or 38 one-byte characters fill the balloon; 4 body lines show.
  EXPECT_EQ(lint(edited({{23, repeat("가", 19) + "\n" + std::string(38, 'a') + "\nb\nc"}}), output),
            0);
  EXPECT_EQ(output, "");
  EXPECT_EQ(
      lint(edited({{23, repeat("가", 20) + "\n" + std::string(39, 'a') + "\nb\nc\n}d"}}), output),
      0);
  EXPECT_EQ(output,
            "m.map:22: warning: text block has 5 body lines; the balloon shows 4\n"
            "m.map:23: warning: text line is 320 px wide; the balloon shows 305 px (38 one-byte "
            "or 19 two-byte characters)\n"
            "m.map:24: warning: text line is 312 px wide; the balloon shows 305 px (38 one-byte "
            "or 19 two-byte characters)\n"
            "m.map:27: warning: the line starts with '}': the block goes on, but the balloon "
            "stops showing here\n");
}

TEST_F(MapLint, doubtful_but_loadable_things_are_warnings) {
  std::string output;
  EXPECT_EQ(lint(edited({{4, "영희 ,100 ,288 ,1.3 ,girl ,7 ,2 ,0"},
                         {29, "주인공-좌로가 -1"},
                         {41, "0"},
                         {43, "0\n99\n99"}}),
                 output),
            0);
  EXPECT_EQ(output,
            "m.map:4: warning: actor 0 (영희): facing 2 is neither 0 (left) nor 1 (right)\n"
            "m.map:4: warning: actor 0 (영희) starts event 7, which the map does not define\n"
            "m.map:29: warning: a walk of -1 frames never ends (the event stops there)\n"
            "m.map:41: warning: label '0' gives event 0, which never runs\n"
            "m.map:44: warning: the event count is 3: the game does not read this or anything "
            "after it\n");
  EXPECT_EQ(lint(edited({{13, "4"}, {43, "98\n99\n99"}}), output), 0);
  EXPECT_EQ(output,
            "m.map:44: warning: event 99 is defined again (first on line 14): its steps "
            "overwrite those of the first\n");
}

TEST_F(MapLint, maps_are_checked_among_the_maps_of_their_game) {
  // a sets flag 7; b reads it and flag 8, which no map sets. b warps to a map that is
  // not there and off the map's width; its event 6 belongs to an actor that cannot be
  // talked to or touched (mode 1), and event 8 is reached only from event 6.
  writeFile("a.map", "bg\n\n0\n1\n99\n플러그 7 1\n워프 b 20\n99\n");
  writeFile("b.map",
            "bg\n\n1\nx ,0 ,288 ,1 ,p ,6 ,0 ,1\n0\n4\n"
            "99\n만약 플러그 7 1 97\n만약 플러그 8 1 97\n워프 c 1300\n99\n"
            "97\n주인공-차렷\n97\n"
            "6\n만약 플러그 7 0 8\n6\n"
            "8\n게임끝\n8\n");
  const std::string warnings =
      "b.map:9: warning: flag 8 is read but never set ('플러그 8 V' in no map): it stays 0\n"
      "b.map:10: warning: warp to map 'c', which is not among the maps\n"
      "b.map:10: warning: warp to x 1300, outside the map's 0..1280: the hero arrives off the "
      "map\n"
      "b.map:15: warning: event 6 never starts: no talkable or touchable actor carries it and no "
      "event that starts jumps to it\n"
      "b.map:18: warning: event 8 never starts: no talkable or touchable actor carries it and no "
      "event that starts jumps to it\n";
  // The maps beside b count, whether named or not.
  std::string output;
  EXPECT_EQ(runLint({"--utf8", "b.map"}, output), 0);
  EXPECT_EQ(output, warnings);
  EXPECT_EQ(runLint({"--utf8", "a.map", "b.map"}, output), 0);
  EXPECT_EQ(output, warnings);
  EXPECT_EQ(runLint({"--utf8", "--werror", "b.map"}, output), 1);
  // Without the folder's files only b's own flags count, and warp targets are not known.
  EXPECT_EQ(runLint({"--utf8", "--no-data", "b.map"}, output), 0);
  EXPECT_NE(output.find("b.map:8: warning: flag 7 is read but never set"), std::string::npos);
  EXPECT_EQ(output.find("'c'"), std::string::npos);
  // In a data folder its maps count, and a missing warp target is an error.
  ASSERT_EQ(runTool("txt2cp949", {"a.map", "data/map/a.if"}), 0);
  ASSERT_EQ(runTool("txt2cp949", {"b.map", "data/map/b.if"}), 0);
  EXPECT_EQ(runLint({"data/map/b.if"}, output), 1);
  EXPECT_NE(output.find("data/map/b.if:9: warning: flag 8 is read"), std::string::npos);
  EXPECT_EQ(output.find("flag 7"), std::string::npos);
  EXPECT_NE(output.find("data/map/b.if:10: error: warp target map/c.if is missing"),
            std::string::npos);
}

TEST_F(MapLint, json_output_holds_the_same_findings) {
  writeFile("m.map", edited({{16, "카메라셋"}, {29, "주인공-좌로가 -1"}}));
  std::string output;
  EXPECT_EQ(runLint({"--utf8", "--no-data", "--format=json", "m.map"}, output), 1);
  EXPECT_EQ(output,
            "[\n"
            "  {\"file\": \"m.map\", \"line\": 16, \"severity\": \"error\", \"message\": "
            "\"unknown command '카메라셋' (the event ends here when it runs)\", \"suggestion\": "
            "\"카메라-셋\"},\n"
            "  {\"file\": \"m.map\", \"line\": 29, \"severity\": \"warning\", \"message\": \"a "
            "walk of -1 frames never ends (the event stops there)\", \"suggestion\": null}\n"
            "]\n");
  writeFile("m.map", kGoodMap);
  EXPECT_EQ(runLint({"--utf8", "--no-data", "--format", "json", "m.map"}, output), 0);
  EXPECT_EQ(output, "[]\n");
}

TEST_F(MapLint, missing_data_files_are_named_at_the_line_that_names_them) {
  writeFile("m.map", kGoodMap);
  ASSERT_EQ(runTool("txt2cp949", {"m.map", "data/map/m.if"}), 0);
  std::string output;
  // The data folder is the map's folder's parent, as the folder is named map.
  EXPECT_EQ(runLint({"data/map/m.if"}, output), 1);
  EXPECT_EQ(output,
            "data/map/m.if:1: error: map picture map/bg.res is missing\n"
            "data/map/m.if:4: error: sprite pack girl: grim/girl.idx is missing\n"
            "data/map/m.if:4: error: sprite pack girl: grim/girl.res is missing\n"
            "data/map/m.if:8: error: sprite pack boy: grim/boy.idx is missing\n"
            "data/map/m.if:8: error: sprite pack boy: grim/boy.res is missing\n"
            "data/map/m.if:38: error: cut-scene script visual/opening.if is missing\n"
            "data/map/m.if:39: error: warp target map/21.if is missing\n");

  writeFile("data/map/bg.res", std::string(1280 * 177, '\0'));
  for (const char* file : {"girl.idx", "girl.res", "boy.idx", "boy.res", "scene.res"})
    writeFile(std::string("data/grim/") + file, "1");
  writeFile("data/visual/opening.if", "scene\r\n#끝\r\n");
  writeFile("data/map/21.if", "");
  EXPECT_EQ(runLint({"data/map/m.if"}, output), 1);
  EXPECT_EQ(output,
            "data/map/m.if:38: error: cut-scene opening: palette grim/scene.pal is missing\n");
  writeFile("data/grim/scene.pal", "1");
  EXPECT_EQ(runLint({"--utf8", "--data", "data", "m.map"}, output), 0) << output;
  EXPECT_EQ(runLint({"--no-data", "m.map", "--utf8"}, output), 0) << output;
}

TEST_F(MapLint, encodings_and_line_ends_are_checked_as_the_game_needs_them) {
  std::string output;
  EXPECT_EQ(lint(edited({{23, "웃음 😀"}}), output), 1);
  EXPECT_EQ(output, "m.map:23: error: '😀' (U+1F600) has no code page 949 form\n");
  // UTF-8 read as code page 949: said once, not as a flood of unknown keywords.
  EXPECT_EQ(runLint({"--no-data", "m.map"}, output), 1);
  EXPECT_EQ(output,
            "m.map:2: error: the file is UTF-8, not code page 949 (give --utf8 for UTF-8 "
            "maps)\n");
  // Code page 949 with LF alone: the lines that the game reads whole fail.
  writeFile("lf.if", platform::utf8ToCp949(kGoodMap));
  EXPECT_EQ(runLint({"--no-data", "lf.if"}, output), 1);
  for (int line : {1, 2, 7, 22, 23, 24})
    EXPECT_NE(output.find("lf.if:" + std::to_string(line) + ": error: the line ends in LF"),
              std::string::npos)
        << line;
  writeFile("bad.if", "bg\r\n\xFF\xFF\r\n0\r\n0\r\n");
  EXPECT_EQ(runLint({"--no-data", "bad.if"}, output), 1);
  EXPECT_EQ(output, "bad.if:2: error: bytes that are not code page 949 text\n");
}

TEST_F(MapLint, usage_errors_exit_2) {
  std::string output;
  EXPECT_EQ(runLint({}, output), 2);
  EXPECT_EQ(runLint({"--utf8", "no-such.map"}, output), 2);
  EXPECT_EQ(runLint({"--data", "no-such-folder", "m.map"}, output), 2);
  EXPECT_EQ(runLint({"--format=xml", "m.map"}, output), 2);
  EXPECT_EQ(runLint({"--help"}, output), 0);
  EXPECT_NE(output.find("--utf8"), std::string::npos);
}

TEST_F(MapLint, txt2cp949_ends_every_line_in_cr_lf_and_names_the_lines_it_cannot_convert) {
  // LF and CR LF alike become CR LF, the last line too; a byte order mark is dropped.
  writeFile("in.txt",
            "\xEF\xBB\xBF"
            "가 a\nb\r\n\n눈 ☎");
  ASSERT_EQ(runTool("txt2cp949", {"in.txt", "out.txt"}), 0);
  EXPECT_EQ(readFile("out.txt"), "\xB0\xA1 a\r\nb\r\n\r\n\xB4\xAB \xA2\xCF\r\n");

  std::string output;
  writeFile("in.txt", "ok\ncafé ☎\nfine\n😀\n");
  EXPECT_EQ(runTool("txt2cp949", {"in.txt", "new.txt"}, &output), 2);
  EXPECT_EQ(output,
            "in.txt:2: 'é' (U+00E9) has no code page 949 form\n"
            "in.txt:4: '😀' (U+1F600) has no code page 949 form\n");
  EXPECT_FALSE(std::filesystem::exists("new.txt"));
}

}  // namespace
