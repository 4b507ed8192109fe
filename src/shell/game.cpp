// game.cpp -- the game object: fresh state for every subsystem, bound while it lives
#include "shell/game.h"

#include "actors/actors_state.h"
#include "audio/music_player.h"
#include "display/display_state.h"
#include "gfx/gfx_state.h"
#include "platform/data_warnings.h"
#include "shell/shell_state.h"
#include "visual/visual_mode.h"
#include "world/event_tables.h"

namespace shell {

Game::Game()
    : warnings_(std::make_unique<platform::DataWarnings>()),
      display_(std::make_unique<display::DisplayState>()),
      gfx_(std::make_unique<gfx::GfxState>()),
      visual_(std::make_unique<visual::VisualState>()),
      audio_(std::make_unique<audio::AudioState>()),
      world_(std::make_unique<world::WorldState>()),
      actors_(std::make_unique<actors::ActorsState>()),
      shell_(std::make_unique<ShellState>()) {
  common::Bound<platform::DataWarnings>::bind(warnings_.get());
  common::Bound<display::DisplayState>::bind(display_.get());
  common::Bound<gfx::GfxState>::bind(gfx_.get());
  common::Bound<visual::VisualState>::bind(visual_.get());
  common::Bound<audio::AudioState>::bind(audio_.get());
  common::Bound<world::WorldState>::bind(world_.get());
  common::Bound<actors::ActorsState>::bind(actors_.get());
  common::Bound<ShellState>::bind(shell_.get());
}

Game::~Game() {
  common::Bound<ShellState>::bind(nullptr);
  common::Bound<actors::ActorsState>::bind(nullptr);
  common::Bound<world::WorldState>::bind(nullptr);
  common::Bound<audio::AudioState>::bind(nullptr);
  common::Bound<visual::VisualState>::bind(nullptr);
  common::Bound<gfx::GfxState>::bind(nullptr);
  common::Bound<display::DisplayState>::bind(nullptr);
  common::Bound<platform::DataWarnings>::bind(nullptr);
}

}  // namespace shell
