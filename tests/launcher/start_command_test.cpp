// start_command_test.cpp -- the argument lists of the game and the home page
#include "launcher/start_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "temp_folder.h"

namespace launcher {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

TEST(GameCommand, RunsGameExFromTheWorkingDirectoryNotFromPath) {
  StartCommand command = gameCommand();
  EXPECT_EQ(command.program, "./game.ex");
  EXPECT_THAT(command.args, ElementsAre("game.ex"));
  EXPECT_FALSE(command.searchPath);
}

TEST(GameCommand, NameWithAFolderIsTakenAsItIs) {
  StartCommand command = gameCommand("bin/game.ex");
  EXPECT_EQ(command.program, "bin/game.ex");
  EXPECT_THAT(command.args, ElementsAre("bin/game.ex"));
}

// The game is the one beside the launcher, whatever the working folder holds: game.ex there,
// runnable or not; else the installed pelmo; else the build's game.
using GameCommandIn = TempFolderTest;

TEST_F(GameCommandIn, TakesTheGameBesideTheLauncherNeverOneOfTheWorkingFolder) {
  StartCommand installed = gameCommandIn("/opt/x/bin");
  EXPECT_EQ(installed.program, "/opt/x/bin/pelmo");
  EXPECT_THAT(installed.args, ElementsAre("pelmo"));
  EXPECT_FALSE(installed.searchPath);

  writeFile("game.ex", "a program of the working folder");
  writeFile("pelmo", "another");
  const std::string own = folder_ + "/own";
  mkdir(own.c_str(), 0755);
  EXPECT_EQ(gameCommandIn(own).program, own + "/pelmo");
  writeFile(own + "/game", "the build's game");
  EXPECT_EQ(gameCommandIn(own).program, own + "/game");
  writeFile(own + "/pelmo", "the installed game");
  EXPECT_EQ(gameCommandIn(own).program, own + "/pelmo");
  writeFile(own + "/game.ex", "not a program");
  StartCommand beside = gameCommandIn(own);
  EXPECT_EQ(beside.program, own + "/game.ex");
  EXPECT_THAT(beside.args, ElementsAre("game.ex"));
}

TEST(HomePageCommand, PassesTheAddressAsOneArgumentToTheOpener) {
  const std::string address = "https://example.org/a page?x=1&y='2' \"z\"";
  StartCommand command = homePageCommand(address);
  EXPECT_EQ(command.program, "xdg-open");
  EXPECT_TRUE(command.searchPath);
  EXPECT_THAT(command.args, ElementsAre("xdg-open", address));
}

TEST(HomePageCommand, DefaultIsAWebAddress) {
  EXPECT_THAT(homePageCommand().args, ElementsAre("xdg-open", StartsWith("https://")));
}

}  // namespace
}  // namespace launcher
