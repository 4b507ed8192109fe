// backend.cpp -- the backend chosen at start
#include "platform/backend.h"

#include <cstdlib>
#include <cstdio>

namespace platform {
namespace {
std::unique_ptr<Backend>& current() {
  static std::unique_ptr<Backend> b;
  return b;
}
}  // namespace

Backend& backend() {
  if (!current()) {
    std::fputs("platform: no backend chosen\n", stderr);
    std::abort();
  }
  return *current();
}

void setBackend(std::unique_ptr<Backend> b) { current() = std::move(b); }
bool hasBackend() { return current() != nullptr; }

}  // namespace platform
