// quit.h -- the one quit request: a closed window, SIGINT or SIGTERM, the end of --frames
#pragma once

#include <functional>

namespace platform {

// Safe to call from a signal handler.
void requestQuit();

// Every loop of the game and every call that waits (flips, keyboard reads, message
// boxes, sleeps) asks this, and returns when it is true. The first look that sees the
// request runs the stop observer once, before anything unwinds, so that what is kept of
// the run (the state dump) shows the state exactly as the last frame left it.
bool quitRequested();
void setStopObserver(std::function<void()> observer);

// SIGINT and SIGTERM become quit requests.
void quitOnSignals();

// Back to no request and no observer (tests).
void resetQuit();

}  // namespace platform
