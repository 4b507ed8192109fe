// data_folder_test.cpp -- which folder a built or an installed game runs in
#include "platform/data_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/engine_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::writeFile;
using DataFolder = testing_support::TempFolderTest;

TEST_F(DataFolder, given_then_the_working_folder_with_the_game_then_the_installed_one) {
  writeFile("share/pelmo/grim/pal.pal", "p");
  const std::string installed = (dir_ / "share/pelmo").string();
  EXPECT_EQ(platform::chooseDataFolder("elsewhere", installed), "elsewhere");
  EXPECT_EQ(platform::chooseDataFolder("", installed), installed);
  // Nowhere to go: the working folder, where the game reports its missing palette.
  EXPECT_EQ(platform::chooseDataFolder("", (dir_ / "nothing").string()), ".");
  EXPECT_EQ(platform::chooseDataFolder("", ""), ".");

  writeFile("grim/pal.pal", "p");
  EXPECT_EQ(platform::chooseDataFolder("", installed), ".");
}

TEST(InstalledDataFolder, lies_in_share_beside_the_programs_folder) {
  EXPECT_EQ(fs::path(platform::programFolder()), fs::canonical(PELMO_BIN_DIR));
  EXPECT_EQ(platform::installedDataFolder(), platform::programFolder() + "/../share/pelmo");
}

}  // namespace
