// window.h -- the window thread's running flag and the cooperative stop of the game thread
#pragma once

#include <functional>

namespace platform {

// The running flag: the window thread pumps messages while it is non-zero.
// Clearing it (a close request, or the game's own end) wakes the pump.
int appRunning();
void setAppRunning(int value);
// Blocks until the running flag is 0 or timeoutMs passed; true when it is 0.
bool waitAppStopped(int timeoutMs);

// Closing the window ends the game thread wherever it is: every blocking call
// checks this and parks the thread for good.
void requestGameStop();
bool gameStopRequested();
// Parks the calling game thread for good when a stop was requested.
void parkIfStopRequested();
[[noreturn]] void parkForGood();

// Starts fn as the game thread.
void startGameThread(std::function<void()> fn);
// Window thread: after requestGameStop, waits (bounded) until the game thread
// has finished or parked. True when it did.
bool waitGameThreadQuiet(int timeoutMs);
bool gameThreadFinished();
bool gameThreadParked();
// Joins the game thread once it has finished (not when it is parked).
void joinGameThreadIfFinished();

// Back to the state before any game thread ran (tests).
void resetWindowState();

}  // namespace platform
