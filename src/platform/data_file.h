// data_file.h -- opening data files by the game's own relative paths, inside the data folder
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/regular_file.h"

namespace platform {

// Whether a path in the game's form ("map\NAME.if") names a file inside the data folder,
// the working folder. The game joins its folder and a name with a backslash, so what
// follows the first backslash is the name: an absolute name ("/x", "\x", "C:x") is
// refused, and so is any path whose ".." climbs above the folder. Subfolders, and ".."
// that stays within the folder, are inside. Links are the folder's own and are followed.
bool insideDataFolder(const char* path);

// The game names files with a backslash ("grim\pal.pal"); this opens them on any system,
// for binary reading, when they are inside the data folder and regular files of at most
// maxBytes bytes (the bounds of common/data_formats.h). Anything else is null at once, as
// a missing file is, with why (when given) saying what was wrong.
FILE* openDataFile(const char* path, uint64_t maxBytes, std::string* why = nullptr);

// openDataFile for the game's loaders: a file that does not open is also said as a data
// warning, with the reason, before the loader shows whatever message box it has for it.
FILE* openDataFileOrWarn(const char* path, uint64_t maxBytes);

// Whether openDataFile would open the file: for what opens data by name itself (the
// music players) and for checks made ahead of the game.
bool dataFileOpens(const char* path, uint64_t maxBytes = kNoSizeBound);

std::string nativePath(const char* path);

}  // namespace platform
