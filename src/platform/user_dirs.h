// user_dirs.h -- the player's folders after the XDG base and user directory conventions
#pragma once

#include <string>

namespace platform {

// $XDG_CONFIG_HOME, or ~/.config; empty when neither can be named.
std::string configHome();
// Where screenshots go: $XDG_PICTURES_DIR/Pelmo (from the environment, else from
// user-dirs.dirs in the config home), else $XDG_DATA_HOME/pelmo/screenshots or
// ~/.local/share/pelmo/screenshots; empty when none can be named.
std::string screenshotFolder();

}  // namespace platform
