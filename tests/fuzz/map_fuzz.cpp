// map_fuzz.cpp -- map files of any content: load the Scene, run its actors a few frames, draw them
#include <cstddef>
#include <cstdint>
#include <string>

#include "actors/actor.h"
#include "common/data_formats.h"
#include "support/fuzz_engine.h"
#include "world/event_tables.h"
#include "world/scene.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool prepared = false;
  fuzzing::startEngineOnce();
  if (!prepared) {
    prepared = true;
    fuzzing::writeFile("map/bg.res", std::string(common::kMapPictureBytes, '\x05'));
    fuzzing::writeFile("grim/MAN.idx", "3 10 20 12 20 8 8");
    fuzzing::writeFile("grim/MAN.res", std::string(10 * 20 + 12 * 20 + 64, '\x07'));
  }
  fuzzing::writeFile("map/f.if", std::string(reinterpret_cast<const char*>(data), size));
  world::Scene& scene = *(world::worldState().CurrentScene = std::make_unique<world::Scene>());
  scene.load("f");
  for (int frame = 0; frame < 3; ++frame) {
    for (int i = 0; i < scene.actorCount; ++i) scene.actors[i]->update();
    scene.drawActors();
  }
  world::worldState().CurrentScene = nullptr;
  return 0;
}
