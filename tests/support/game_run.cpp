// game_run.cpp -- the folder of an end-to-end test and a clean run of `game` in it
#include "support/game_run.h"

#include "support/test_fonts.h"

namespace testing_support {

std::string dumpOfCleanRun(const std::filesystem::path& dir, std::vector<std::string> args,
                           const std::string& dump) {
  args.insert(args.end(), {"--dump", dump});
  std::string errors;
  EXPECT_EQ(runGame(dir, args, &errors), 0) << errors;
  EXPECT_EQ(withoutWarnings(errors), "");
  return readFile((dir / dump).string());
}

void writeStartUpData() {
  writeFile("grim/pal.pal", knownPalette());
  writeTestFonts();
}

void GameFolderTest::SetUp() {
  TempFolderTest::SetUp();
  writeStartUpData();
}

std::string GameFolderTest::dumpOfRun(const std::vector<std::string>& args) {
  return dumpOfCleanRun(dir_, args, "s.json");
}

}  // namespace testing_support
