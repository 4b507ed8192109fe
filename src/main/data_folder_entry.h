// data_folder_entry.h -- moving `game` into its data folder before anything is opened
#pragma once

#include <string>

#include "shell/command_line.h"

namespace game_main {

// Moves into the data folder: --data, else the working folder when it holds the game, else
// the installed share/pelmo. The options' own files (key scripts, shots, the dump) stay where
// the caller meant them. A map asked for by --map must be there. False with a one-line error.
bool enterDataFolder(shell::Options& options, std::string& error);

}  // namespace game_main
