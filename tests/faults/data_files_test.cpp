// data_files_test.cpp -- every data file of the game missing, empty or
// malformed in turn: the message boxes shown, and whether start-up stops, the
// game goes on to its own end, or goes on without it
#include <filesystem>
#include <functional>

#include "faults/fault_fixture.h"
#include "faults/fault_world.h"
#include "support/engine_fixture.h"

namespace faults {
namespace {

namespace fs = std::filesystem;
using testing_support::writeFile;

enum class Outcome {
  kStartUpStops,  // the start-up box, no frame, no game thread
  kGameEnds,      // the story runs to its game-end command
  kGoesOn,        // the game runs on (here to the --frames stop) without the story's
                  // end
};

struct Case {
  const char* file;
  std::function<void(const char*)> change;
  std::string errors;  // the message boxes, "title: text" a line
  Outcome outcome;
};

void missing(const char* file) { fs::remove(file); }
void empty(const char* file) { writeFile(file, ""); }

constexpr int kLimit = 400;

void check(const Case& c) {
  SCOPED_TRACE(c.file);
  const GameRun run = runHeadless({"--frames", std::to_string(kLimit)});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, c.errors);
  const double frames = number(run.dump, "frames");
  switch (c.outcome) {
    case Outcome::kStartUpStops:
      EXPECT_EQ(frames, 0);
      break;
    case Outcome::kGameEnds:
      EXPECT_EQ(number(run.dump, "gameRunning"), 0);
      EXPECT_GT(frames, 100);
      EXPECT_LT(frames, kLimit);
      break;
    case Outcome::kGoesOn:
      EXPECT_EQ(frames, kLimit);
      EXPECT_EQ(number(run.dump, "gameRunning"), 1);
      break;
  }
}

class DataFiles : public FaultTest {
 protected:
  // The whole game written anew, so that no change of one case stays for the
  // next.
  static void freshWorld() {
    for (const auto& entry : fs::directory_iterator(".")) fs::remove_all(entry.path());
    writeFaultWorld();
  }
  void runCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      freshWorld();
      c.change(c.file);
      check(c);
    }
  }
};

TEST_F(DataFiles, start_up_files_missing_or_empty_stop_the_program_with_their_box) {
  const std::string palette = "Pelmo엔진: 팔렛 로딩에러..\n",
                    fonts = "Pelmo엔진: 폰트 로딩에러..\n";
  runCases({
      {"grim/pal.pal", missing, palette, Outcome::kStartUpStops},
      {"grim/EngFont.fnt", missing, fonts, Outcome::kStartUpStops},
      {"grim/HanFont.fnt", missing, fonts, Outcome::kStartUpStops},
      {"grim/han.inf", missing, fonts, Outcome::kStartUpStops},
      {"grim/EngFont.fnt", empty, fonts, Outcome::kStartUpStops},
      {"grim/HanFont.fnt", empty, fonts, Outcome::kStartUpStops},
      {"grim/han.inf", empty, fonts, Outcome::kStartUpStops},
      // An empty palette reads as white with a mixing table of 255: the game
      // plays.
      {"grim/pal.pal", empty, "", Outcome::kGameEnds},
  });
}

TEST_F(DataFiles, shared_pictures_and_packs_missing_or_empty_leave_the_game_going) {
  runCases({
      {"grim/CHAR1.idx", missing, "", Outcome::kGameEnds},
      {"grim/CHAR1.res", missing, "", Outcome::kGameEnds},
      {"grim/CHAR1.idx", empty, "", Outcome::kGameEnds},
      {"grim/cursor.idx", missing, "", Outcome::kGameEnds},
      {"grim/bubble.res", missing, "", Outcome::kGameEnds},
      {"grim/MAN.idx", missing, "", Outcome::kGameEnds},
      {"grim/bg.res", missing, "에러: 파일열기\n", Outcome::kGameEnds},
      {"grim/bg.res", empty, "에러: 데이터 읽기\n", Outcome::kGameEnds},
      {"grim/bar.res", missing, "bar.res: 그림파일을 읽을수 없어.\n", Outcome::kGameEnds},
      {"grim/bar.res", empty, "bar.res: 그림파일이 이상해\n", Outcome::kGameEnds},
  });
}

TEST_F(DataFiles, maps_missing_empty_or_malformed_are_played_as_far_as_they_were_read) {
  runCases({
      {"map/20.if", missing, "map\\20.if: if파일열기\n", Outcome::kGoesOn},
      {"map/20.if", empty, "에러: map\\20.if, 1번째 줄: 파일이 일찍 끝났습니다\n",
       Outcome::kGoesOn},
      {"map/20.if", [](const char* f) { writeFile(f, "20\ncaption\n0\n0\n"); },
       "에러: map\\20.if, 1번째 줄: 줄 끝이 CR LF가 아닙니다\n", Outcome::kGoesOn},
      // The picture fails before the actors and events are read: no event 99,
      // no warp.
      {"map/20.res", missing, "map\\20.res: 파일열기\n", Outcome::kGoesOn},
      {"map/20.res", empty, "에러: 멥데이터 읽기\n", Outcome::kGoesOn},
      // The warp's destination.
      {"map/30.if", missing, "map\\30.if: if파일열기\n", Outcome::kGoesOn},
  });
}

TEST_F(DataFiles, cut_scene_files_missing_or_empty_skip_the_scene) {
  runCases({
      {"visual/v.if", missing, "..: if파일열기\n", Outcome::kGameEnds},
      // No picture name: the picture path is "grim\.res".
      {"visual/v.if", empty, "grim\\.res: 파일열기\n", Outcome::kGameEnds},
      {"grim/pic.res", missing, "grim\\pic.res: 파일열기\n", Outcome::kGameEnds},
      {"grim/pic.res", empty, "에러: 멥데이터 읽기\n", Outcome::kGameEnds},
      {"grim/pic.pal", missing, "", Outcome::kGameEnds},
      // A line too long for its cell: reported, and the scene plays what fitted (here a
      // coordinate line, which takes one frame).
      {"visual/v.if",
       [](const char* f) {
         writeFile(f, "pic\r\n#\xB1\xDB\xBE\xBE\xC1\xC2\xC7\xA5 1 2" + std::string(300, ' ') +
                          "\r\n#\xB3\xA1\r\n");  // #글씨좌표, #끝
       },
       "에러: visual\\v.if, 2번째 줄: 줄이 너무 깁니다\n", Outcome::kGameEnds},
  });
}

TEST_F(DataFiles, music_missing_or_garbage_leaves_the_game_silent) {
  for (const auto& change : std::vector<std::function<void(const char*)>>{
           missing, [](const char* f) { writeFile(f, std::string(50000, '\xA7')); }}) {
    freshWorld();
    change("1.mp3");
    // Stopped inside the story: at its end the player is freed and the dump has
    // none.
    const GameRun run = runHeadless({"--frames", std::to_string(kInWarp)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(number(run.dump, "frames"), kInWarp);
    EXPECT_EQ(number(object(run.dump, "music"), "state"), -1);
    EXPECT_EQ(number(object(run.dump, "music"), "running"), 0);
  }
}

}  // namespace
}  // namespace faults
