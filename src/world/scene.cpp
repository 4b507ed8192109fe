// scene.cpp -- making, loading, drawing and destroying the Scene of the running map
#include "world/scene.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "actors/actor.h"
#include "actors/camera.h"
#include "display/display_device.h"
#include "gfx/background_layer.h"
#include "gfx/load_messages.h"
#include "platform/data_file.h"
#include "platform/data_warnings.h"
#include "platform/message_box.h"
#include "world/event_reader.h"
#include "world/event_tables.h"
#include "world/map_messages.h"
#include "world/map_reader.h"
#include "world/map_text.h"

namespace world {

namespace {

struct OpenFile {
  FILE* f;
  explicit OpenFile(const char* path)
      : f(platform::openDataFileOrWarn(path, common::kMapFileBound)) {}
  ~OpenFile() {
    if (f) std::fclose(f);
  }
};

// Background names must leave room for "map\" and ".res" in the path.
constexpr size_t kBackgroundNameSize = kPathSize - 8;

void reportFault(const char* path, const MapFault& fault) {
  const std::string message =
      std::string(path) + ", " + std::to_string(fault.line) + text::kLineSuffix + fault.reason;
  platform::messageBox(gfx::text::kErrorTitle, message);
}

}  // namespace

Scene::Scene() = default;
Scene::~Scene() = default;

void deleteCurrentScene() { worldState().CurrentScene.reset(); }

SceneLoad Scene::load(const char* mapName) {
  char mapPath[kPathSize + 16];
  std::snprintf(mapPath, sizeof mapPath, "map\\%s.if", mapName);
  OpenFile map(mapPath);
  if (!map.f) {
    platform::messageBox(mapPath, text::kMapOpen);
    return SceneLoad::kMapMissing;
  }
  auto& DisplayDevice = display::displayState().DisplayDevice;
  if (!DisplayDevice || DisplayDevice->createSurface(kMapPictureWidth, kMapPictureHeight,
                                                     platform::SurfaceKind::OffscreenPlain,
                                                     surface) != platform::DD_OK) {
    platform::messageBox(gfx::text::kErrorTitle, gfx::text::kSurfaceCreate);
    return SceneLoad::kNoSurface;
  }
  surface->setColorKey(common::kTransparentIndex);

  MapText reader(map.f);
  char background[kBackgroundNameSize];
  if (reader.token(background, sizeof background, text::kWordTooLong)) {
    std::snprintf(backgroundPath, sizeof backgroundPath, "map\\%s.res", background);
    const long got = gfx::readPicture(*surface, backgroundPath, kMapPictureBytes);
    if (got < 0) {
      platform::messageBox(backgroundPath, gfx::text::kFileOpen);
      return SceneLoad::kBackgroundMissing;
    }
    if (got == 0) {
      platform::messageBox(gfx::text::kErrorTitle, text::kMapDataRead);
      return SceneLoad::kBackgroundEmpty;
    }
    readCaptionAndActors(reader, *this);
  }
  // The event section follows the actors, in the same open file.
  readEvents(reader);

  if (reader.failed()) reportFault(mapPath, reader.fault());
  // By text: the same constant's literal may lie at another address in another file.
  if (reader.failed() && std::strcmp(reader.fault().reason, text::kEndsEarly) == 0)
    platform::warnDataFile(mapPath, "ends early, in line " + std::to_string(reader.fault().line));
  captionTimer = 1;
  actors::centreCamera(*this);
  return reader.failed() ? SceneLoad::kMapMalformed : SceneLoad::kLoaded;
}

void Scene::drawBackground() {
  bgWindow.left = cameraX;
  bgWindow.right = cameraX + gfx::kWindowWidth;
  gfx::copyLayer(surface.get(), bgWindow, true, backgroundPath, kMapPictureBytes);
}

bool Scene::inWindow(float x, int w) const {
  return double(cameraX - w) < double(x) && double(x) < double(cameraX + gfx::kWindowWidth);
}

void Scene::drawActors() const {
  for (int i = 0; i < actorCount; ++i) {
    const actors::Actor* a = actors[i].get();
    if (a && inWindow(a->x, a->shownWidth())) a->draw();
  }
}

}  // namespace world
