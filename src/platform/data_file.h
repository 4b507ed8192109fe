// data_file.h -- opening data files by the game's own relative paths
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// The game names files with a backslash ("grim\pal.pal"); this opens them on any system.
FILE* openDataFile(const char* path, const char* mode);
std::string nativePath(const char* path);

}  // namespace platform
