// music_e2e_test.cpp -- the music in a headless game: F1 and F2, a missing or broken file
#include "support/game_run.h"
#include "support/state_dump.h"
#include "support/test_maps.h"

namespace {

using testing_support::readFile;
using testing_support::runGame;
using testing_support::writeFile;

class MusicRun : public testing_support::GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    testing_support::writeWorldData();
  }
  // The music object of the dump after a run of the given frames and keys.
  std::string musicAfter(int frames, const std::string& keys) {
    writeFile("in.keys", keys);
    EXPECT_EQ(runGame(dir_, {"--headless", "--frames", std::to_string(frames), "--input", "in.keys",
                             "--dump", "s.json"}),
              0);
    const std::string dump = readFile("s.json");
    const std::string music = testing_support::dumpObject(dump, "music");
    return music.empty() ? dump : music;  // the whole dump shows what went wrong
  }
};

TEST_F(MusicRun, plays_from_the_start_and_f1_f2_stop_and_run_it) {
  writeFile("1.mp3", testing_support::testMusic(2000));
  EXPECT_EQ(musicAfter(60, ""),
            "\"music\": {\"state\": 0, \"volume\": 0, \"running\": 1, \"position\": 1}");
  // Stopped from read 30 to 89 while F1 is held, run again when F2 is held.
  EXPECT_EQ(musicAfter(90, "30 F1 down\n"),
            "\"music\": {\"state\": 0, \"volume\": 0, \"running\": 0, \"position\": 0.5}");
  EXPECT_EQ(musicAfter(120, "30 F1 down\n60 F1 up\n90 F2 down\n"),
            "\"music\": {\"state\": 0, \"volume\": 0, \"running\": 1, \"position\": 1}");
  // Both held: stopped and run again in every frame, the run last.
  EXPECT_EQ(musicAfter(60, "0 F1 down\n0 F2 down\n"),
            "\"music\": {\"state\": 0, \"volume\": 0, \"running\": 1, \"position\": 1}");
}

TEST_F(MusicRun, missing_or_garbage_music_leaves_the_game_silent) {
  EXPECT_EQ(musicAfter(30, "5 F2 down\n"),
            "\"music\": {\"state\": -1, \"volume\": 0, \"running\": 0, \"position\": 0}");
  writeFile("1.mp3", std::string(100000, '\xAB'));
  EXPECT_EQ(musicAfter(30, "5 F1 down\n"),
            "\"music\": {\"state\": -1, \"volume\": 0, \"running\": 0, \"position\": 0}");
  EXPECT_EQ(readFile("s.json").find("\"messages\": []") != std::string::npos, true);
}

}  // namespace
