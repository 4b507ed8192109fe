// launcher_folder_test.cpp -- the folder the launcher moves to before it reads its read-me
#include "launcher/launcher_folder.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace launcher {
namespace {

using LauncherFolder = TempFolderTest;

// Started from an unrelated folder, the launcher beside a data folder's game.ex runs on that
// folder; the working folder wins when it holds the game itself.
TEST_F(LauncherFolder, its_own_folder_comes_before_the_installed_one_after_the_working_one) {
  for (const char* folder : {"own", "own/grim", "share", "share/grim", "work", "work/grim"})
    mkdir(folder, 0755);
  const std::string own = folder_ + "/own", installed = folder_ + "/share";
  ASSERT_EQ(chdir("work"), 0);
  EXPECT_EQ(launcherDataFolder(own, installed), ".");
  writeFile(installed + "/grim/pal.pal", "p");
  EXPECT_EQ(launcherDataFolder(own, installed), installed);
  writeFile(own + "/grim/pal.pal", "p");
  EXPECT_EQ(launcherDataFolder(own, installed), own);
  writeFile("grim/pal.pal", "p");
  EXPECT_EQ(launcherDataFolder(own, installed), ".");
}

}  // namespace
}  // namespace launcher
