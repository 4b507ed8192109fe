// data_file.cpp -- data paths with a backslash, opened on any system
#include "platform/data_file.h"

namespace platform {

std::string nativePath(const char* path) {
  std::string p(path ? path : "");
#ifndef _WIN32
  for (char& c : p)
    if (c == '\\') c = '/';
#endif
  return p;
}

FILE* openDataFile(const char* path, const char* mode) {
  return std::fopen(nativePath(path).c_str(), mode);
}

}  // namespace platform
