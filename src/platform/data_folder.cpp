// data_folder.cpp -- finding the data folder of a built or an installed game
#include "platform/data_folder.h"

#include <unistd.h>

#include <string>

namespace platform {

std::string programFolder() {
#ifdef __linux__
  std::string path(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0 || size_t(n) >= path.size()) return {};
  path.resize(size_t(n));
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash == 0 ? 1 : slash);
#else
  return {};
#endif
}

std::string installedDataFolder() {
  const std::string folder = programFolder();
  return folder.empty() ? folder : folder + "/../share/pelmo";
}

bool holdsGameData(const std::string& folder) {
  return !folder.empty() && access((folder + "/" + kPaletteFile).c_str(), R_OK) == 0;
}

std::string chooseDataFolder(const std::string& given, const std::string& installed) {
  if (!given.empty()) return given;
  if (holdsGameData(".") || !holdsGameData(installed)) return ".";
  return installed;
}

}  // namespace platform
