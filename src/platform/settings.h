// settings.h -- the player's settings: what they are, where they live, how they are read
#pragma once

#include <string>

#include "platform/settings_file.h"
#include "platform/window_backend.h"

namespace platform {

struct Settings {
  WindowOptions window;
  bool frameCounterShown = true;
};

// Reads the known keys of file into settings; unknown keys are left alone. A wrong value
// keeps its default and is added to problems; false when there was one.
bool readSettings(const SettingsFile& file, Settings& settings, LineProblems& problems);

// The settings file a player's game uses: $XDG_CONFIG_HOME/pelmo/settings.ini, or
// ~/.config/pelmo/settings.ini; empty when neither can be named.
std::string settingsPath();

// The settings file of one run: read at the start, written back when the player changes
// something in play. A file that could not be parsed is never written over.
class SettingsStore {
 public:
  // Reads path (a missing file is no error: the defaults stand); false with one message
  // naming the file and line when the file is unreadable or malformed.
  bool load(const std::string& path, Settings& settings, std::string& error);
  // Keeps full screen or window and the window's size; false with a message when the
  // file cannot be written or was not to be touched.
  bool storeWindow(bool fullScreen, int windowWidth, int windowHeight, std::string& error);

 private:
  std::string path_;
  SettingsFile file_;
  bool writable_ = false;
};

}  // namespace platform
