// game_thread.h -- the game thread and the window thread's outer frame
#pragma once

namespace shell {

// The game thread's body: the game-wide objects, the scene cycle, the frees.
int GameThreadProc();
// The window thread: window, start-up, game thread, message pump, shutdown.
// Always returns 0, as the original's entry did.
int runWindowThread();

}  // namespace shell
