// window.cpp -- the running flag and the cooperative stop of the game thread
#include "platform/window.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {
namespace {
std::mutex m;
std::condition_variable changed;
int running = 1;
bool stopRequested = false;
enum class ThreadState { None, Running, Parked, Finished };
ThreadState threadState = ThreadState::None;
// Joined once finished; a parked thread is left to the end of the process.
std::thread* gameThread = nullptr;
}  // namespace

int appRunning() {
  std::lock_guard lock(m);
  return running;
}

void setAppRunning(int value) {
  {
    std::lock_guard lock(m);
    running = value;
  }
  changed.notify_all();
}

bool waitAppStopped(int timeoutMs) {
  std::unique_lock lock(m);
  return changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [] { return running == 0; });
}

void requestGameStop() {
  {
    std::lock_guard lock(m);
    stopRequested = true;
  }
  changed.notify_all();
}

bool gameStopRequested() {
  std::lock_guard lock(m);
  return stopRequested;
}

void parkIfStopRequested() {
  if (gameStopRequested()) parkForGood();
}

void parkForGood() {
  std::unique_lock lock(m);
  threadState = ThreadState::Parked;
  changed.notify_all();
  for (;;) changed.wait(lock);
}

void startGameThread(std::function<void()> fn) {
  {
    std::lock_guard lock(m);
    threadState = ThreadState::Running;
  }
  gameThread = new std::thread([fn = std::move(fn)] {
    fn();
    {
      std::lock_guard lock(m);
      threadState = ThreadState::Finished;
    }
    changed.notify_all();
  });
}

void joinGameThreadIfFinished() {
  if (!gameThread || !gameThreadFinished()) return;
  gameThread->join();
  delete gameThread;
  gameThread = nullptr;
}

bool waitGameThreadQuiet(int timeoutMs) {
  std::unique_lock lock(m);
  return changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                          [] { return threadState != ThreadState::Running; });
}

bool gameThreadFinished() {
  std::lock_guard lock(m);
  return threadState == ThreadState::Finished;
}

bool gameThreadParked() {
  std::lock_guard lock(m);
  return threadState == ThreadState::Parked;
}

void resetWindowState() {
  std::lock_guard lock(m);
  running = 1;
  stopRequested = false;
  threadState = ThreadState::None;
}

}  // namespace platform
