// game.cpp -- the game object: fresh state for every subsystem, bound while it lives
#include "shell/game.h"

#include "actors/actors_state.h"
#include "shell/shell_state.h"
#include "visual/visual_mode.h"

namespace shell {

Game::Game()
    : actors_(std::make_unique<actors::ActorsState>()),
      visual_(std::make_unique<visual::VisualState>()),
      shell_(std::make_unique<ShellState>()) {
  actors::bindActorsState(actors_.get());
  visual::bindVisualState(visual_.get());
  bindShellState(shell_.get());
}

Game::~Game() {
  actors::bindActorsState(nullptr);
  visual::bindVisualState(nullptr);
  bindShellState(nullptr);
}

}  // namespace shell
