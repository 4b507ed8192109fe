// screenshot.cpp -- a screenshot in a new file of its own
#include "platform/screenshot.h"

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "common/geometry.h"
#include "common/png_image.h"
#include "platform/screen.h"
#include "platform/user_dirs.h"

namespace platform {
namespace {

// Makes path, empty, unless it is there already: the name is ours alone afterwards.
bool claimName(const std::string& path, int& why) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  why = fd < 0 ? errno : 0;
  if (fd >= 0) ::close(fd);
  return fd >= 0;
}

}  // namespace

bool saveScreenshot(std::string& path, std::string& error) {
  const std::string folder = screenshotFolder();
  if (folder.empty()) {
    error = "no folder for screenshots (neither XDG_PICTURES_DIR nor HOME is set)";
    return false;
  }
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char date[16];
  std::strftime(date, sizeof date, "%Y-%m-%d", &local);
  for (int n = 1; n < 100000; ++n) {
    char name[64];
    std::snprintf(name, sizeof name, "/pelmo-%s-%03d.png", date, n);
    path = folder + name;
    int why = 0;
    if (claimName(path, why)) {
      if (common::writeRgbPng(path, common::kScreenWidth, common::kScreenHeight, screenRgb(),
                              error))
        return true;
      std::filesystem::remove(path, ec);
      return false;
    }
    if (why != EEXIST) {
      error = path + ": cannot be made: " + std::generic_category().message(why);
      return false;
    }
  }
  error = folder + ": no free screenshot name for " + date;
  return false;
}

}  // namespace platform
