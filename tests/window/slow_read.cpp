// slow_read.cpp -- preloaded into the game by quit_test.sh: the first read of the file whose
// path ends in $PELMO_SLOW_FILE takes $PELMO_SLOW_SECONDS longer, as on a slow disk. The game
// opens no pipe or device, so a stalled read can only be made this way.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool isSlowFile(FILE* f) {
  const char* suffix = std::getenv("PELMO_SLOW_FILE");
  if (!suffix) return false;
  char path[4096];
  const std::string link = "/proc/self/fd/" + std::to_string(fileno(f));
  const ssize_t n = readlink(link.c_str(), path, sizeof path);
  const std::string name(path, n > 0 ? size_t(n) : 0), end(suffix);
  return name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" size_t fread(void* out, size_t size, size_t count, FILE* f) {
  using Read = size_t (*)(void*, size_t, size_t, FILE*);
  static const Read real = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "fread"));
  static bool slowed = false;
  if (!slowed && isSlowFile(f)) {
    slowed = true;
    const char* seconds = std::getenv("PELMO_SLOW_SECONDS");
    // A signal cuts a sleep short, not a read from a slow disk.
    for (unsigned left = unsigned(seconds ? std::atoi(seconds) : 3); left > 0;) left = sleep(left);
  }
  return real(out, size, count, f);
}
