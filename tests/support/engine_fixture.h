// engine_fixture.h -- a test fixture with fresh engine globals and a folder of its own
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// Every subsystem's globals back to their start values (each subsystem adds its reset here).
void resetEngineGlobals();

// Writes bytes to path (folders made as needed), relative to the current folder.
void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

// A palette file: entry i is (i, 255 - i, i / 2); the mixing table's [r][c] is (r + c) / 2.
std::string knownPalette();

// Each test runs in a new folder of its own, the current folder until the test ends, when
// it is removed.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::filesystem::path dir_;

 private:
  std::filesystem::path previous_;
};

// Each test runs in a new folder holding only the test fonts (support/test_fonts.h), with
// the headless backend and fresh globals.
class EngineTest : public TempFolderTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Start-up as the game does it, on the headless backend; asserts success.
  void startEngine();
};

// Runs program with args in folder dir; returns its exit status.
// stderr is captured into errors when given.
int runProgram(const std::string& program, const std::filesystem::path& dir,
               const std::vector<std::string>& args, std::string* errors = nullptr);
// runProgram with the built `game`.
int runGame(const std::filesystem::path& dir, const std::vector<std::string>& args,
            std::string* errors = nullptr);
// The lines of a run's stderr other than the data files' warnings ("game: warning: ..."): the
// small test worlds leave out files the game warns of (the music, the balloons' packs).
std::string withoutWarnings(const std::string& errors);

}  // namespace testing_support
