// regular_file.cpp -- opening plain files only, their size known before the first read
#include "platform/regular_file.h"

#include <sys/stat.h>

#include <new>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

FILE* refuse(std::string* why, const std::string& reason) {
  if (why) *why = reason;
  return nullptr;
}

// What is wrong with an open file of this kind and size, or empty when nothing is.
std::string fault(bool regular, uint64_t size, uint64_t maxBytes) {
  if (!regular) return "is not a regular file";
  if (size > maxBytes) return "is larger than " + std::to_string(maxBytes) + " bytes";
  return {};
}

}  // namespace

#ifdef _WIN32
// Devices (CON, COM1, NUL) and pipes open like files on Windows: only a disk file's
// handle is taken.
FILE* openRegularFile(const std::string& path, uint64_t maxBytes, std::string* why) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return refuse(why, "cannot be read");
  const int fd = _fileno(f);
  struct _stati64 status;
  const bool disk = GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(fd))) == FILE_TYPE_DISK;
  const bool known = _fstati64(fd, &status) == 0;
  const std::string reason = !known ? "cannot be read"
                                    : fault(disk && (status.st_mode & _S_IFMT) == _S_IFREG,
                                            uint64_t(status.st_size), maxBytes);
  if (reason.empty()) return f;
  std::fclose(f);
  return refuse(why, reason);
}
#else
// Opened without waiting, so that a named pipe with no writer or a device is seen for
// what it is before anything blocks on it.
FILE* openRegularFile(const std::string& path, uint64_t maxBytes, std::string* why) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return refuse(why, "cannot be read");
  struct stat status;
  std::string reason = fstat(fd, &status) == 0
                           ? fault(S_ISREG(status.st_mode), uint64_t(status.st_size), maxBytes)
                           : "cannot be read";
  if (reason.empty()) {
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0)
      if (FILE* f = fdopen(fd, "rb")) return f;
    reason = "cannot be read";
  }
  ::close(fd);
  return refuse(why, reason);
}
#endif

bool readRegularFile(const std::string& path, uint64_t maxBytes, std::string& bytes,
                     std::string* why) {
  FILE* f = openRegularFile(path, maxBytes, why);
  if (!f) return false;
  bytes.clear();
  std::string reason;
  try {
    char buffer[16384];
    size_t got;
    // The file may have grown since it was measured; the bound holds all the same.
    while (reason.empty() && (got = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
      bytes.append(buffer, got);
      if (bytes.size() > maxBytes) reason = fault(true, bytes.size(), maxBytes);
    }
    if (reason.empty() && std::ferror(f)) reason = "cannot be read";
  } catch (const std::bad_alloc&) {
    reason = "cannot be read";
  }
  std::fclose(f);
  if (reason.empty()) return true;
  bytes.clear();
  if (why) *why = reason;
  return false;
}

}  // namespace platform
