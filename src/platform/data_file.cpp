// data_file.cpp -- data paths with a backslash, opened on any system, kept inside the folder
#include "platform/data_file.h"

#include <string_view>

#include "platform/data_warnings.h"

namespace platform {
namespace {

bool isSeparator(char c) { return c == '/' || c == '\\'; }

bool isAbsolute(std::string_view name) {
  if (name.empty()) return false;
  const bool drive = name.size() >= 2 && name[1] == ':' &&
                     ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
  return isSeparator(name[0]) || drive;
}

// Windows reads a colon as a drive or a stream, and trims dots and spaces off a folder's
// name, so that ". ." or "..." may climb: such names are nothing a data folder needs.
bool unsafeOnThisSystem([[maybe_unused]] std::string_view part) {
#ifdef _WIN32
  if (part.find(':') != std::string_view::npos) return true;
  return part != "." && part != ".." && part.find_first_not_of(". ") == std::string_view::npos;
#else
  return false;
#endif
}

// Each ".." climbs one folder: more climbs than folders entered leave the data folder.
bool staysInside(std::string_view path) {
  int depth = 0;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = start;
    while (end < path.size() && !isSeparator(path[end])) ++end;
    const std::string_view part = path.substr(start, end - start);
    if (unsafeOnThisSystem(part)) return false;
    if (part == "..") {
      if (--depth < 0) return false;
    } else if (!part.empty() && part != ".") {
      ++depth;
    }
    start = end + 1;
  }
  return true;
}

}  // namespace

bool insideDataFolder(const char* path) {
  const std::string_view p(path ? path : "");
  const size_t joint = p.find('\\');
  if (isAbsolute(p) || (joint != std::string_view::npos && isAbsolute(p.substr(joint + 1))))
    return false;
  return staysInside(p);
}

std::string nativePath(const char* path) {
  std::string p(path ? path : "");
#ifndef _WIN32
  for (char& c : p)
    if (c == '\\') c = '/';
#endif
  return p;
}

FILE* openDataFile(const char* path, uint64_t maxBytes, std::string* why) {
  if (!insideDataFolder(path)) {
    if (why) *why = "is outside the data folder";
    return nullptr;
  }
  return openRegularFile(nativePath(path), maxBytes, why);
}

FILE* openDataFileOrWarn(const char* path, uint64_t maxBytes) {
  std::string why;
  FILE* f = openDataFile(path, maxBytes, &why);
  if (!f) warnDataFile(path ? path : "", why);
  return f;
}

bool dataFileOpens(const char* path, uint64_t maxBytes) {
  FILE* f = openDataFile(path, maxBytes);
  if (!f) return false;
  std::fclose(f);
  return true;
}

}  // namespace platform
