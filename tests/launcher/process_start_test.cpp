// process_start_test.cpp -- starting the game and the opener as processes of their own
#include "launcher/process_start.h"

#include <gmock/gmock.h>
#include <signal.h>
#include <stdlib.h>

#include <sstream>

#include "temp_folder.h"

namespace launcher {
namespace {

using ::testing::HasSubstr;

class ProcessStart : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    installChildReaper();
  }
  void TearDown() override {
    for (pid_t pid : started_) kill(pid, SIGKILL);
    TempFolderTest::TearDown();
  }
  pid_t start(const StartCommand& command, std::string* error = nullptr) {
    std::string ignored;
    pid_t pid = startDetached(command, error ? error : &ignored);
    if (pid > 0) started_.push_back(pid);
    return pid;
  }
  static int lineCount(const std::string& path) {
    std::istringstream in(readFile(path));
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    return lines;
  }
  std::vector<pid_t> started_;
};

TEST_F(ProcessStart, StartsTheGameTwiceWithoutWaiting) {
  // Each game runs until the test lets it go: the starts return while both still run,
  // however slowly the machine runs them.
  writeScript("game.ex", "echo $$ >> started.txt\nwhile [ ! -e go ]; do sleep 0.02; done");
  const pid_t first = start(gameCommand());
  const pid_t second = start(gameCommand());
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  EXPECT_NE(first, second);
  EXPECT_TRUE(eventually([] { return lineCount("started.txt") == 2; }));
  EXPECT_EQ(kill(first, 0), 0);  // neither game has ended
  EXPECT_EQ(kill(second, 0), 0);
  writeFile("go", "");
  // Both ran; they start at once, so either may write first.
  const std::string started = readFile("started.txt");
  EXPECT_TRUE(started == std::to_string(first) + "\n" + std::to_string(second) + "\n" ||
              started == std::to_string(second) + "\n" + std::to_string(first) + "\n")
      << started;
}

TEST_F(ProcessStart, GameRunsInAProcessGroupOfItsOwn) {
  writeScript("game.ex", "sleep 3");
  const pid_t pid = start(gameCommand());
  ASSERT_GT(pid, 0);
  EXPECT_EQ(getpgid(pid), pid);
  EXPECT_NE(getpgid(pid), getpgrp());
}

TEST_F(ProcessStart, MissingGameIsAnErrorNotAnEnd) {
  std::string error;
  EXPECT_EQ(start(gameCommand(), &error), -1);
  EXPECT_THAT(error, HasSubstr("game.ex"));
  EXPECT_THAT(error, HasSubstr("No such file"));
}

TEST_F(ProcessStart, GameThatIsNotExecutableIsAnError) {
  writeFile("game.ex", "not a program");
  std::string error;
  EXPECT_EQ(start(gameCommand(), &error), -1);
  EXPECT_THAT(error, HasSubstr("Permission denied"));
}

TEST_F(ProcessStart, GameIsNotLookedUpInPath) {
  std::filesystem::create_directory("elsewhere");
  writeScript("elsewhere/game.ex", "touch ran");
  setenv("PATH", (folder_ + "/elsewhere:/usr/bin:/bin").c_str(), 1);
  EXPECT_EQ(start(gameCommand()), -1);
}

TEST_F(ProcessStart, HomePageGoesToTheOpenerInPath) {
  std::filesystem::create_directory("bin");
  writeScript("bin/xdg-open", "printf '%s|' \"$#\" \"$@\" > \"$HOME_MARK\"");
  setenv("PATH", (folder_ + "/bin:/usr/bin:/bin").c_str(), 1);
  setenv("HOME_MARK", (folder_ + "/opened").c_str(), 1);
  const std::string address = "https://example.org/a b?c&d";
  ASSERT_GT(start(homePageCommand(address)), 0);
  EXPECT_TRUE(eventually([] { return !readFile("opened").empty(); }));
  EXPECT_EQ(readFile("opened"), "1|" + address + "|");
}

TEST_F(ProcessStart, MissingOpenerIsAnError) {
  setenv("PATH", folder_.c_str(), 1);
  std::string error;
  EXPECT_EQ(start(homePageCommand(), &error), -1);
  EXPECT_THAT(error, HasSubstr("xdg-open"));
}

TEST_F(ProcessStart, EndedGamesLeaveNoZombies) {
  writeScript("game.ex", "exit 3");
  const pid_t first = start(gameCommand());
  const pid_t second = start(gameCommand());
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  // A zombie keeps its /proc entry until it is reaped.
  const auto gone = [](pid_t pid) {
    return !std::filesystem::exists("/proc/" + std::to_string(pid));
  };
  EXPECT_TRUE(eventually([&] { return gone(first) && gone(second); }));
}

}  // namespace
}  // namespace launcher
