// game.cpp -- the game object: fresh state for every subsystem, bound while it lives
#include "shell/game.h"

#include "visual/visual_mode.h"

namespace shell {

Game::Game() : visual_(std::make_unique<visual::VisualState>()) {
  visual::bindVisualState(visual_.get());
}

Game::~Game() { visual::bindVisualState(nullptr); }

}  // namespace shell
