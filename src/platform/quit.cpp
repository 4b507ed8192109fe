// quit.cpp -- the quit request and the first look that sees it
#include "platform/quit.h"

#include <atomic>
#include <csignal>

namespace platform {
namespace {
std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");
bool seen = false;
std::function<void()> stopObserver;

extern "C" void onQuitSignal(int) { requested.store(true); }
}  // namespace

void requestQuit() { requested.store(true); }

bool quitRequested() {
  if (!requested.load()) return false;
  if (!seen) {
    seen = true;
    if (stopObserver) stopObserver();
  }
  return true;
}

void setStopObserver(std::function<void()> observer) { stopObserver = std::move(observer); }

void quitOnSignals() {
  std::signal(SIGINT, onQuitSignal);
  std::signal(SIGTERM, onQuitSignal);
}

void resetQuit() {
  requested.store(false);
  seen = false;
  stopObserver = nullptr;
}

}  // namespace platform
