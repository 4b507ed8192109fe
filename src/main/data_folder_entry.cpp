// data_folder_entry.cpp -- choosing and entering the data folder, checking the first map
#include "main/data_folder_entry.h"

#include <unistd.h>

#include <filesystem>

#include "common/data_formats.h"
#include "platform/data_file.h"
#include "platform/data_folder.h"
#include "platform/encoding.h"

namespace game_main {
namespace {

// Paths on the command line are the caller's, wherever the data folder lies.
void keepCallersPaths(shell::Options& o) {
  const auto anchor = [](std::string& path) {
    if (!path.empty()) path = std::filesystem::absolute(path).string();
  };
  anchor(o.inputScript);
  anchor(o.recordScript);
  anchor(o.dumpPath);
  for (auto& shot : o.shots) anchor(shot.second);
}

std::string workingFolder() {
  std::error_code failed;
  const auto path = std::filesystem::current_path(failed);
  return failed ? "." : path.string();
}

// A misspelt map name is told at once, not after a window has opened on nothing.
std::string missingMapError(const std::string& cp949Name) {
  // Looked for as the game will open it: a name outside the data folder is no map.
  if (platform::dataFileOpens(("map\\" + cp949Name + ".if").c_str(), common::kMapFileBound))
    return {};
  const std::string name = platform::cp949ToUtf8(cp949Name);
  return "no map " + name + " (map/" + name + ".if not found in " + workingFolder() + ")";
}

}  // namespace

bool enterDataFolder(shell::Options& o, std::string& error) {
  error.clear();
  const std::string folder = platform::chooseDataFolder(o.dataDir, platform::installedDataFolder());
  if (folder != ".") {
    keepCallersPaths(o);
    if (chdir(folder.c_str()) != 0) {
      error = "cannot change to the data folder '" + folder + "'";
      return false;
    }
  }
  if (o.mapName) error = missingMapError(*o.mapName);
  return error.empty();
}

}  // namespace game_main
