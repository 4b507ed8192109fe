// exit_status_e2e_test.cpp -- what `game` exits with, and says, when it cannot start or cannot
// write a file it was asked for; control bytes from names and options on stderr
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "support/game_run.h"
#include "support/test_maps.h"

namespace {

using namespace testing_support;

class ExitStatus : public GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    writeWorldData();
  }
  int run(std::vector<std::string> args, std::string& errors) {
    args.insert(args.begin(), {"--headless", "--frames", "3"});
    return runGame(dir_, args, &errors);
  }
};

// Each output to a full device (the failure shows only at the flush) and to a missing
// folder: status 1 and one line naming the file and the system's reason.
TEST_F(ExitStatus, an_output_that_cannot_be_written_ends_with_1_and_its_reason) {
  const std::string full = std::strerror(ENOSPC), missing = std::strerror(ENOENT);
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--dump", "/dev/full"}, "dump not written: /dev/full: " + full},
      {{"--dump", "no/such/s.json"}, "dump not written: no/such/s.json: " + missing},
      {{"--shot", "2:/dev/full"}, "shot not written: /dev/full: " + full},
      {{"--shot", "2:no/such/s.png"}, "shot not written: no/such/s.png: " + missing},
      {{"--record", "/dev/full"}, "key record not written: /dev/full: " + full},
      {{"--record", "no/such/k.keys"}, "key record not written: no/such/k.keys: " + missing},
  };
  for (const auto& [args, line] : cases) {
    std::string errors;
    EXPECT_EQ(run(args, errors), 1) << args[1];
    EXPECT_EQ(errors, "game: " + line + "\n");
  }
  // A failed shot does not stop the run: the outputs after it are still written.
  std::string errors;
  EXPECT_EQ(run({"--shot", "1:/dev/full", "--shot", "2:b.png", "--dump", "s.json"}, errors), 1);
  EXPECT_TRUE(std::filesystem::exists("b.png"));
  EXPECT_TRUE(std::filesystem::exists("s.json"));
}

// The start-up box is shown as always, and the status says the game did not start; so does
// a window that cannot open.
TEST_F(ExitStatus, a_failed_start_ends_with_1_after_its_box) {
  std::filesystem::remove("grim/HanFont.fnt");
  std::string errors;
  EXPECT_EQ(run({}, errors), 1);
  EXPECT_EQ(errors, "Pelmo엔진: 폰트 로딩에러..\n");

  setenv("SDL_VIDEODRIVER", "no-such-video-driver", 1);
  EXPECT_EQ(runGame(dir_, {"--window", "--frames", "3"}, &errors), 1);
  unsetenv("SDL_VIDEODRIVER");
  EXPECT_EQ(errors.rfind("game: no display", 0), 0u) << errors;
}

// ESC [31m in a map name would turn the terminal red: on stderr it reads as in the dump.
TEST_F(ExitStatus, control_bytes_from_names_and_options_reach_stderr_escaped) {
  const std::string red = "\x1b[31m";
  const std::string folder = std::filesystem::canonical(dir_).string();
  std::string errors;
  EXPECT_EQ(run({"--map", red}, errors), 2);
  EXPECT_EQ(errors, "game: no map \\u001b[31m (map/\\u001b[31m.if not found in " + folder + ")\n");
  EXPECT_EQ(run({"--hero-x", red}, errors), 2);
  EXPECT_NE(errors.find("not '\\u001b[31m'"), std::string::npos) << errors;

  // The map is there but its picture is not: the box and the tracer's lines carry the name.
  writeEmptyMap(red);
  std::filesystem::remove("map/" + red + ".res");
  EXPECT_EQ(run({"--map", red, "--trace"}, errors), 0);
  EXPECT_EQ(errors.rfind("map\\\\u001b[31m.res: 파일열기\n", 0), 0u) << errors;
  EXPECT_NE(errors.find(" map=\\u001b[31m "), std::string::npos) << errors;
  EXPECT_EQ(errors.find('\x1b'), std::string::npos);
}

}  // namespace
