// command_line.h -- the options of `game`
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace shell {

struct Options {
  std::string dataDir;
  bool window = false;
  bool fullScreen = false;   // the last of --window and --fullscreen wins
  int scale = 0;             // 0: the largest whole scale that fits the desktop
  std::string settingsPath;  // the settings file in place of the player's own
  bool headless = false;
  uint64_t frames = 0;  // 0: no limit
  std::string inputScript;
  std::string recordScript;
  std::optional<uint32_t> seed;
  std::vector<std::pair<uint64_t, std::string>> shots;
  std::string dumpPath;
  uint64_t loseSurfacesAt = 0;
  std::optional<std::string> mapName;  // the first map, in code page 949
  std::optional<float> heroX;          // the hero's x on it
  bool watch = false;                  // reload the running map when its files change
  bool trace = false;                  // each event step on stderr as it starts
  bool help = false;
  bool version = false;
};

// False with a one-line error when an option is unknown, lacks its value or has a bad one.
bool parseCommandLine(int argc, const char* const* argv, Options& options, std::string& error);
const char* usageText();

}  // namespace shell
