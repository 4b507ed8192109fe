// data_files_test.cpp -- every data file of the game missing, then empty, in turn, and some
// malformed: the message boxes shown, and whether start-up stops, the game goes on to its own end,
// or goes on without reaching it
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>

#include "common/data_formats.h"
#include "faults/fault_fixture.h"
#include "faults/fault_world.h"
#include "support/engine_fixture.h"

namespace faults {
namespace {

namespace fs = std::filesystem;
using testing_support::writeFile;

enum class Outcome {
  kStartUpStops,  // the start-up box, no frame, no game
  kGameEnds,      // the story runs to its game-end command
  kGoesOn,        // the game runs on (here to the --frames stop) without the story's end
};

struct Expected {
  std::string errors;  // the message boxes, "title: text" a line
  Outcome outcome;
};

constexpr int kLimit = 400;

void check(const std::string& file, const Expected& e) {
  SCOPED_TRACE(file);
  const GameRun run = runHeadless({"--frames", std::to_string(kLimit)});
  // Only a start-up that stops is a failed run.
  EXPECT_EQ(run.status, e.outcome == Outcome::kStartUpStops ? 1 : 0);
  EXPECT_EQ(run.errors, e.errors);
  const double frames = number(run.dump, "frames");
  switch (e.outcome) {
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

const std::string kPaletteBox = "Pelmo엔진: 팔렛 로딩에러..\n";
const std::string kFontBox = "Pelmo엔진: 폰트 로딩에러..\n";

// Missing or empty alike, a font file stops the start-up, and a pack reports nothing: the hero,
// the cursor, the icons or the man are simply not seen.
std::map<std::string, Expected> withFontsAndPacks(std::map<std::string, Expected> expected) {
  for (const char* font : {"grim/EngFont.fnt", "grim/HanFont.fnt", "grim/han.inf"})
    expected.emplace(font, Expected{kFontBox, Outcome::kStartUpStops});
  for (const char* pack : {"grim/CHAR1", "grim/cursor", "grim/bubble", "grim/MAN"})
    for (const char* ending : {".idx", ".res"})
      expected.emplace(std::string(pack) + ending, Expected{"", Outcome::kGameEnds});
  return expected;
}

class DataFiles : public FaultTest {
 protected:
  // The whole game written anew, so that no change of one case stays for the next.
  static void freshWorld() {
    for (const auto& entry : fs::directory_iterator(".")) fs::remove_all(entry.path());
    writeFaultWorld();
  }
  // Every file of the game, changed alone; each must have its expectation.
  static void eachFileInTurn(const std::function<void(const fs::path&)>& change,
                             const std::map<std::string, Expected>& expected) {
    freshWorld();
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator("."))
      if (entry.is_regular_file() && entry.path().filename() != "talk.keys")
        files.push_back(entry.path().lexically_relative(".").generic_string());
    EXPECT_EQ(files.size(), expected.size());
    for (const std::string& file : files) {
      const auto e = expected.find(file);
      if (e == expected.end()) {
        ADD_FAILURE() << "no expectation for " << file;
        continue;
      }
      freshWorld();
      change(file);
      check(file, e->second);
    }
  }
};

// What each file's absence gives.
std::map<std::string, Expected> missingOutcomes() {
  const Outcome ends = Outcome::kGameEnds, on = Outcome::kGoesOn;
  return withFontsAndPacks({
      {"grim/pal.pal", {kPaletteBox, Outcome::kStartUpStops}},
      {"grim/bg.res", {"에러: 파일열기\n", ends}},
      {"grim/bar.res", {"bar.res: 그림파일을 읽을수 없어.\n", ends}},
      // No map: nothing to play, so no event and no end; the game goes on.
      {"map/20.if", {"map\\20.if: if파일열기\n", on}},
      // The load stops at the picture, before the actors and events.
      {"map/20.res", {"map\\20.res: 파일열기\n", on}},
      // The warp's destination.
      {"map/30.if", {"map\\30.if: if파일열기\n", on}},
      // A cut-scene that does not load is skipped.
      {"visual/v.if", {"..: if파일열기\n", ends}},
      {"grim/pic.res", {"grim\\pic.res: 파일열기\n", ends}},
      {"grim/pic.pal", {"", ends}},
      {"1.mp3", {"", ends}},
  });
}

TEST_F(DataFiles, each_file_missing_in_turn) {
  eachFileInTurn([](const fs::path& f) { fs::remove(f); }, missingOutcomes());
}

// A named pipe is taken for a missing file, at once: nothing waits for a writer.
TEST_F(DataFiles, each_file_a_named_pipe_in_turn) {
  eachFileInTurn(
      [](const fs::path& f) {
        fs::remove(f);
        ASSERT_EQ(mkfifo(f.c_str(), 0600), 0);
      },
      missingOutcomes());
}

// One byte over its kind's bound, a file is missing to the game and gets the same message.
TEST_F(DataFiles, files_over_their_bound_are_missing) {
  const auto over = [](const char* path, uint64_t bound) {
    writeFile(path, std::string(size_t(bound) + 1, ' '));
  };
  const std::map<std::string, Expected> missing = missingOutcomes();
  const std::vector<std::pair<std::function<void()>, std::string>> cases = {
      {[&] { over("grim/pal.pal", common::kPaletteFileBytes); }, "grim/pal.pal"},
      {[&] { over("grim/HanFont.fnt", common::kHangulFontBytes); }, "grim/HanFont.fnt"},
      {[&] { over("map/20.res", common::kMapPictureBytes); }, "map/20.res"},
      {[&] { over("grim/bar.res", common::kStatusBarFileBound); }, "grim/bar.res"},
      {[&] { over("map/30.if", common::kMapFileBound); }, "map/30.if"},
      {[&] { over("visual/v.if", common::kCutSceneScriptBound); }, "visual/v.if"},
  };
  for (const auto& [change, file] : cases) {
    freshWorld();
    change();
    check(file, missing.at(file));
  }
}

TEST_F(DataFiles, each_file_empty_in_turn) {
  const Outcome ends = Outcome::kGameEnds, on = Outcome::kGoesOn;
  eachFileInTurn([](const fs::path& f) { writeFile(f.string(), ""); },
                 withFontsAndPacks({
                     // An empty palette reads as white with a mixing table of 255.
                     {"grim/pal.pal", {"", ends}},
                     {"grim/bg.res", {"에러: 데이터 읽기\n", ends}},
                     {"grim/bar.res", {"bar.res: 그림파일이 이상해\n", ends}},
                     {"map/20.if", {"에러: map\\20.if, 1번째 줄: 파일이 일찍 끝났습니다\n", on}},
                     {"map/20.res", {"에러: 멥데이터 읽기\n", on}},
                     {"map/30.if", {"에러: map\\30.if, 1번째 줄: 파일이 일찍 끝났습니다\n", on}},
                     // No picture name: the picture path is "grim\.res".
                     {"visual/v.if", {"grim\\.res: 파일열기\n", ends}},
                     {"grim/pic.res", {"에러: 멥데이터 읽기\n", ends}},
                     // An empty palette: the scene plays in white.
                     {"grim/pic.pal", {"", ends}},
                     {"1.mp3", {"", ends}},
                 }));
}

TEST_F(DataFiles, malformed_text_files_are_named_with_their_line) {
  const std::vector<std::pair<std::function<void()>, Expected>> cases = {
      {[] { writeFile("map/20.if", "20\ncaption\n0\n0\n"); },
       {"에러: map\\20.if, 1번째 줄: 줄 끝이 CR LF가 아닙니다\n", Outcome::kGoesOn}},
      // Cut inside the actor line: the map is played as far as it was read (the man).
      {[] { writeFile("map/20.if", "20\r\ncaption\r\n1\r\nman ,400.0 ,288 ,1.3 ,MAN"); },
       {"에러: map\\20.if, 4번째 줄: 파일이 일찍 끝났습니다\n", Outcome::kGoesOn}},
      // A line too long for its cell: reported, and the scene plays what fitted (here a coordinate
      // line, which takes one frame).
      {[] {
         writeFile("visual/v.if", "pic\r\n#\xB1\xDB\xBE\xBE\xC1\xC2\xC7\xA5 1 2" +
                                      std::string(300, ' ') +
                                      "\r\n#\xB3\xA1\r\n");  // #글씨좌표 #끝
       },
       {"에러: visual\\v.if, 2번째 줄: 줄이 너무 깁니다\n", Outcome::kGameEnds}},
  };
  for (const auto& [change, expected] : cases) {
    freshWorld();
    change();
    check(expected.errors, expected);
  }
}

TEST_F(DataFiles, music_missing_or_garbage_leaves_the_game_silent) {
  for (const std::string& music : {std::string(), std::string(50000, '\xA7')}) {
    freshWorld();
    if (music.empty())
      fs::remove("1.mp3");
    else
      writeFile("1.mp3", music);
    // Stopped inside the story: at its end the player is freed and the dump has none.
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
