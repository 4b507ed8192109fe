// backend.cpp -- the backend chosen at start
#include "platform/backend.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {
// A plain pointer: nothing of the backend runs at static destruction (an exit() from
// the window system's own error handler must not call back into it).
Backend* current = nullptr;
}  // namespace

Backend& backend() {
  if (!current) {
    std::fputs("platform: no backend chosen\n", stderr);
    std::abort();
  }
  return *current;
}

void setBackend(std::unique_ptr<Backend> b) {
  delete current;
  current = b.release();
}

bool hasBackend() { return current != nullptr; }

}  // namespace platform
