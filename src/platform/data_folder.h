// data_folder.h -- where the game's data lies: given, the working folder, or the installed one
#pragma once

#include <string>

namespace platform {

// The file every start of the game reads first; a folder without it holds no game.
inline constexpr char kPaletteFile[] = "grim/pal.pal";

// The folder of the running program, or empty where the system cannot tell.
std::string programFolder();

// Where an installed program's data lies: <program folder>/../share/pelmo, so that an
// install under any prefix (or staged under DESTDIR) finds its own. Empty when unknown.
std::string installedDataFolder();

// Whether folder holds the game's palette.
bool holdsGameData(const std::string& folder);

// The folder to run in: `given` when set; else the working folder when it holds the game;
// else `installed` when it does; else the working folder, whose missing files the game then
// reports as it always has. The working folder is answered as ".".
std::string chooseDataFolder(const std::string& given, const std::string& installed);

}  // namespace platform
