// pictures_fuzz.cpp -- picture files of any length and content: the far layer, the status bar, the
// map picture and the cut-scene picture with its palette, loaded, drawn, lost and reloaded
#include <cstddef>
#include <cstdint>
#include <string>

#include "actors/common_resources.h"
#include "actors/status_bar.h"
#include "display/display_device.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "platform/video.h"
#include "support/fuzz_engine.h"
#include "support/fuzz_world.h"
#include "visual/visual_mode.h"
#include "world/event_tables.h"
#include "world/scene.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (fuzzing::startWorldOnce()) {
    fuzzing::writeFile("map/p.if", "p\r\ncaption\r\n0\r\n0\r\n");
    fuzzing::writeFile("visual/p.if", "p\r\nabc\r\n");
  }
  // The same bytes are every picture, the cut-scene's palette too.
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const char* path : {"grim/bg.res", "grim/bar.res", "map/p.res", "grim/p.res", "grim/p.pal"})
    fuzzing::writeFile(path, bytes);

  actors::loadCommonResources();
  world::Scene& scene = *(world::worldState().CurrentScene = std::make_unique<world::Scene>());
  scene.load("p");
  for (int pass = 0; pass < 2; ++pass) {
    // The second pass finds every surface lost and reloads the pictures from their files.
    if (pass == 1) platform::loseAllSurfaces();
    for (int scroll : {0, 240, 480}) {
      gfx::gfxState().FarLayer->scrollX = scroll;
      gfx::gfxState().FarLayer->draw();
      scene.cameraX = 2 * scroll;
      scene.drawBackground();
    }
    uint8_t* bits = nullptr;
    display::displayState().DrawSurface->lock(&bits);
    actors::drawStatusBar();
    display::displayState().DrawSurface->unlock();
    // Presenting restores the display's own surfaces after the loss.
    display::PresentFrame();
  }
  world::worldState().CurrentScene = nullptr;
  actors::freeCommonResources();

  if (visual::loadVisualScene("p") == visual::VisualLoad::kLoaded) {
    visual::drawVisualFrame();
    platform::loseAllSurfaces();
    visual::drawVisualFrame();
    display::PresentFrame();
  }
  visual::finishVisualScene();
  return 0;
}
