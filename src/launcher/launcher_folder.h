// launcher_folder.h -- the folder the launcher runs in, where its read-me and the game's data lie
#pragma once

#include <string>

namespace launcher {

// The working folder (".") when it holds the game's data; else programFolder, the launcher's
// own, when that does (the launcher beside game.ex in a data folder, started from anywhere);
// else the installed data folder when that does; else the working folder, whose missing
// read-me the launcher then reports.
std::string launcherDataFolder(const std::string& programFolder, const std::string& installed);

}  // namespace launcher
