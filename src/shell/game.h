// game.h -- the one game object: it owns the state of every subsystem
#pragma once

#include <memory>

namespace actors {
struct ActorsState;
}
namespace audio {
struct AudioState;
}
namespace display {
struct DisplayState;
}
namespace gfx {
struct GfxState;
}
namespace visual {
struct VisualState;
}
namespace world {
struct WorldState;
}
namespace shell {
struct ShellState;
}
namespace platform {
struct DataWarnings;
}

namespace shell {

// Making a Game gives every subsystem fresh state and binds it as the running game's;
// the game's functions reach it through their subsystem (visual::visualState(), ...).
// One Game lives at a time: the program's, or a test's.
class Game {
 public:
  Game();
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

 private:
  // Made in this order and freed in the reverse: the display goes last but for the data
  // warnings, which any subsystem may give while it loads or frees.
  std::unique_ptr<platform::DataWarnings> warnings_;
  std::unique_ptr<display::DisplayState> display_;
  std::unique_ptr<gfx::GfxState> gfx_;
  std::unique_ptr<visual::VisualState> visual_;
  std::unique_ptr<audio::AudioState> audio_;
  std::unique_ptr<world::WorldState> world_;
  std::unique_ptr<actors::ActorsState> actors_;
  std::unique_ptr<ShellState> shell_;
};

}  // namespace shell
