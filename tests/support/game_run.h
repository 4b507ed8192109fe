// game_run.h -- end-to-end tests: the built `game` run in a folder of test data, its dump read back
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/engine_fixture.h"

namespace testing_support {

// Runs the built `game` in dir with args and "--dump <dump>" (relative to dir unless absolute);
// expects a clean run, exit status 0 and nothing on stderr (no message box came up), and
// returns the dump.
std::string dumpOfCleanRun(const std::filesystem::path& dir, std::vector<std::string> args,
                           const std::string& dump);

// The known palette and the test fonts, which every start-up needs, in the current folder.
void writeStartUpData();

// Each test's own folder, holding the known palette and the test fonts that every start-up
// needs; tests add the maps and packs they play and run `game` there.
class GameFolderTest : public TempFolderTest {
 protected:
  void SetUp() override;
  // dumpOfCleanRun here, dumping to "s.json".
  std::string dumpOfRun(const std::vector<std::string>& args);
};

}  // namespace testing_support
