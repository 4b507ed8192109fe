// file_identity.cpp -- a file's device and inode numbers, the POSIX way of telling files apart
#include "platform/file_identity.h"

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::string fileIdentity(FILE* f) {
  struct stat s {};
  if (!f || fstat(fileno(f), &s) != 0) return {};
  return std::to_string(s.st_dev) + ":" + std::to_string(s.st_ino);
}

}  // namespace platform
