// game_run.h -- the game from its window to its shutdown, all on the main thread
#pragma once

namespace shell {

// The game's own procedure: the music, the game-wide objects, the scene cycle, the frees.
int playGame();
// Window, start-up, the game, shutdown. Returns when the game ends or a quit request
// (a closed window, SIGINT, SIGTERM, the end of --frames) has unwound every loop.
// 0 when the game ran; kStartUpFailed when no window opened or the start-up stopped (after
// its message box), so that a script that starts the game can tell.
inline constexpr int kStartUpFailed = 1;
int runGame();

}  // namespace shell
