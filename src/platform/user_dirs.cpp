// user_dirs.cpp -- the config home and the pictures folder, from the environment
#include "platform/user_dirs.h"

#include <cstdlib>
#include <fstream>

namespace platform {
namespace {

// The conventions take only absolute paths; anything else counts as unset.
std::string absoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  return (value && value[0] == '/') ? value : "";
}

std::string home() { return absoluteVariable("HOME"); }

// XDG_PICTURES_DIR="$HOME/Pictures" from user-dirs.dirs: a path in quotes, absolute or
// from $HOME.
std::string picturesFromUserDirs() {
  const std::string config = configHome();
  if (config.empty()) return "";
  std::ifstream in(config + "/user-dirs.dirs", std::ios::binary);
  const std::string prefix = "XDG_PICTURES_DIR=\"";
  std::string line, path;
  while (std::getline(in, line)) {
    if (line.rfind(prefix, 0) != 0) continue;
    const size_t end = line.find('"', prefix.size());
    if (end == std::string::npos) continue;
    path = line.substr(prefix.size(), end - prefix.size());
    if (path.rfind("$HOME", 0) == 0) path = home().empty() ? "" : home() + path.substr(5);
  }
  return (!path.empty() && path[0] == '/') ? path : "";
}

}  // namespace

std::string configHome() {
  const std::string config = absoluteVariable("XDG_CONFIG_HOME");
  if (!config.empty()) return config;
  return home().empty() ? "" : home() + "/.config";
}

std::string screenshotFolder() {
  std::string pictures = absoluteVariable("XDG_PICTURES_DIR");
  if (pictures.empty()) pictures = picturesFromUserDirs();
  if (!pictures.empty()) return pictures + "/Pelmo";
  const std::string data = absoluteVariable("XDG_DATA_HOME");
  if (!data.empty()) return data + "/pelmo/screenshots";
  return home().empty() ? "" : home() + "/.local/share/pelmo/screenshots";
}

}  // namespace platform
