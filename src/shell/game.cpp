// game.cpp -- the game object: fresh state for every subsystem, bound while it lives
#include "shell/game.h"

#include "actors/actors_state.h"
#include "audio/music_player.h"
#include "display/display_state.h"
#include "gfx/gfx_state.h"
#include "shell/shell_state.h"
#include "visual/visual_mode.h"
#include "world/event_tables.h"

namespace shell {

Game::Game()
    : display_(std::make_unique<display::DisplayState>()),
      gfx_(std::make_unique<gfx::GfxState>()),
      visual_(std::make_unique<visual::VisualState>()),
      audio_(std::make_unique<audio::AudioState>()),
      world_(std::make_unique<world::WorldState>()),
      actors_(std::make_unique<actors::ActorsState>()),
      shell_(std::make_unique<ShellState>()) {
  display::bindDisplayState(display_.get());
  gfx::bindGfxState(gfx_.get());
  visual::bindVisualState(visual_.get());
  audio::bindAudioState(audio_.get());
  world::bindWorldState(world_.get());
  actors::bindActorsState(actors_.get());
  bindShellState(shell_.get());
}

Game::~Game() {
  bindShellState(nullptr);
  actors::bindActorsState(nullptr);
  world::bindWorldState(nullptr);
  audio::bindAudioState(nullptr);
  visual::bindVisualState(nullptr);
  gfx::bindGfxState(nullptr);
  display::bindDisplayState(nullptr);
}

}  // namespace shell
