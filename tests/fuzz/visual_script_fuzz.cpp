// visual_script_fuzz.cpp -- cut-scene scripts of any content: loaded, run and drawn
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/data_formats.h"
#include "support/fuzz_engine.h"
#include "visual/visual_mode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::startEngineOnce();
  static bool pictures = false;
  if (!pictures) {
    fuzzing::writeFile("grim/pic.res", std::string(common::kCutScenePictureBytes, '\x05'));
    fuzzing::writeFile("grim/pic.pal", std::string(common::kPaletteColourBytes, '\x40'));
    pictures = true;
  }
  // The first line names the picture; the input is the rest of the script.
  fuzzing::writeFile("visual/fuzz.if",
                     "pic\r\n" + std::string(reinterpret_cast<const char*>(data), size));
  if (visual::loadVisualScene("fuzz") == visual::VisualLoad::kLoaded) {
    for (int frame = 0; frame < 4000 && visual::visualState().VisualPlaying; ++frame) {
      visual::visualState().VisualWaiting = 0;  // as if space were pressed at every wait
      visual::stepVisualScript();
      if (frame % 16 == 0) visual::drawVisualFrame();
    }
    visual::drawVisualFrame();
  }
  visual::finishVisualScene();
  return 0;
}
