// launcher_folder.cpp -- choosing the launcher's data folder
#include "launcher/launcher_folder.h"

#include "platform/data_folder.h"

namespace launcher {

std::string launcherDataFolder(const std::string& programFolder, const std::string& installed) {
  const bool ownData = platform::holdsGameData(programFolder);
  return platform::chooseDataFolder("", ownData ? programFolder : installed);
}

}  // namespace launcher
