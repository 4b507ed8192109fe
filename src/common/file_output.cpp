// file_output.cpp -- writing whole files and closing them with every error counted
#include "common/file_output.h"

#include <cerrno>
#include <cstring>

namespace common {

std::string writeFailure(const std::string& path, int errorCode) {
  return path + ": " + (errorCode != 0 ? std::strerror(errorCode) : "cannot be written");
}

bool writeWholeFile(const std::string& path, std::string_view bytes, std::string& error) {
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return error = writeFailure(path, errno), false;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
    error = writeFailure(path, errno);
    std::fclose(f);
    return false;
  }
  return closeWrittenFile(f, path, error);
}

bool closeWrittenFile(std::FILE* f, const std::string& path, std::string& error) {
  errno = 0;
  if (std::fflush(f) != 0) {
    error = writeFailure(path, errno);
    std::fclose(f);
    return false;
  }
  if (std::fclose(f) != 0) return error = writeFailure(path, errno), false;
  return true;
}

}  // namespace common
