// engine_fixture.cpp -- fresh globals, temporary folders and running the game
#include "support/engine_fixture.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/backend.h"
#include "platform/faults.h"
#include "platform/headless/headless_backend.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "platform/quit.h"
#include "platform/screen.h"
#include "shell/game.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "support/test_fonts.h"
#include "visual/visual_mode.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace testing_support {

namespace fs = std::filesystem;

namespace {
std::unique_ptr<shell::Game> game;
}  // namespace

void resetEngineGlobals() {
  // One game at a time: the old one lets go of its state before the new one binds its own.
  game.reset();
  game = std::make_unique<shell::Game>();
  platform::resetFaults();
  platform::resetKeyboard();
  platform::resetScreen();
  platform::resetQuit();
  platform::clearShownMessages();
  platform::setBackend(platform::makeHeadlessBackend());
}

void writeFile(const std::string& path, const std::string& bytes) {
  const fs::path p(path);
  if (p.has_parent_path()) fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string knownPalette() {
  std::string bytes;
  for (int i = 0; i < 256; ++i) {
    bytes += char(i);
    bytes += char(255 - i);
    bytes += char(i / 2);
  }
  for (int r = 0; r < 256; ++r)
    for (int c = 0; c < 256; ++c) bytes += char((r + c) / 2);
  return bytes;
}

void TempFolderTest::SetUp() {
  previous_ = fs::current_path();
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  dir_ = fs::temp_directory_path() / ("pelmo_" + std::string(info->test_suite_name()) + "_" +
                                      info->name() + "_" + std::to_string(::getpid()));
  fs::remove_all(dir_);
  fs::create_directories(dir_);
  fs::current_path(dir_);
}

void TempFolderTest::TearDown() {
  fs::current_path(previous_);
  fs::remove_all(dir_);
}

void EngineTest::SetUp() {
  TempFolderTest::SetUp();
  resetEngineGlobals();
  // Start-up needs fonts; tests of the font loading remove or replace these.
  writeTestFonts();
}

void EngineTest::TearDown() {
  resetEngineGlobals();
  platform::setBackend(nullptr);
  TempFolderTest::TearDown();
}

void EngineTest::startEngine() {
  if (!fs::exists("grim/pal.pal")) writeFile("grim/pal.pal", knownPalette());
  ASSERT_EQ(shell::StartUpEngine(), 1);
}

int runProgram(const std::string& program, const fs::path& dir,
               const std::vector<std::string>& args, std::string* errors) {
  std::string command = "cd '" + dir.string() + "' && '" + program + "'";
  for (const auto& a : args) command += " '" + a + "'";
  const fs::path errorFile = dir / "stderr.txt";
  command += " 2>'" + errorFile.string() + "'";
  const int status = std::system(command.c_str());
  if (errors) *errors = readFile(errorFile.string());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string withoutWarnings(const std::string& errors) {
  std::istringstream lines(errors);
  std::string kept;
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("game: warning: ", 0) != 0) kept += line + "\n";
  return kept;
}

int runGame(const fs::path& dir, const std::vector<std::string>& args, std::string* errors) {
  return runProgram(PELMO_BIN_DIR "/game", dir, args, errors);
}

}  // namespace testing_support
