// run_tool.h -- running a built tool from a test and catching what it says
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/engine_fixture.h"

namespace tools_testing {

// Runs the built tool with args in the current folder; its stdout and stderr go to output.
// Returns the exit status, or -1 when it did not exit normally.
inline int runTool(const std::string& tool, const std::vector<std::string>& args,
                   std::string* output = nullptr) {
  std::string command = "'" PELMO_BIN_DIR "/" + tool + "'";
  for (const std::string& a : args) command += " '" + a + "'";
  command += " >tool.out 2>&1";
  const int status = std::system(command.c_str());
  if (output) *output = testing_support::readFile("tool.out");
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tools_testing
