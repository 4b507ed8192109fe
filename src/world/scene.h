// scene.h -- the running map: background surface, camera, caption and map actors
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/data_formats.h"
#include "platform/video.h"

namespace actors {
struct Actor;
}

namespace world {

constexpr int kMaxActors = 50;
using common::kMapPictureBytes;
using common::kMapPictureHeight;
using common::kMapPictureWidth;
constexpr int kCaptionSize = 255;
constexpr int kPathSize = 256;

enum class SceneLoad : int {
  kLoaded = 0,
  kNoSurface = 1,
  kBackgroundMissing = 2,
  kBackgroundEmpty = 3,
  kMapMissing = 4,
  // The map file broke off or overran a field; the message names file and line,
  // and the Scene keeps what was read before.
  kMapMalformed = 5,
};

// A sprite pack that the map's actors use, and whether it loaded.
struct PackUse {
  std::string name;
  bool loaded = false;
};

struct Scene {
  // 1280 x 177, with colour key 255 so that the far layer shows through.
  std::unique_ptr<platform::Surface> surface;
  int32_t cameraX = 0;
  char caption[kCaptionSize] = {};
  int8_t actorCount = 0;
  // The map actors in file order; slots from actorCount on are empty.
  std::unique_ptr<actors::Actor> actors[kMaxActors];
  platform::Rect bgWindow{0, 0, 0, kMapPictureHeight};
  int32_t captionTimer = 0;
  char backgroundPath[kPathSize] = {};
  // Each pack that the actors use, once, in file order: the files a live reload watches.
  std::vector<PackUse> packs;

  Scene();
  ~Scene();
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  // Reads "map\<mapName>.if" and the picture that it names.
  SceneLoad load(const char* mapName);
  // Copies the camera's window of the picture over the far layer.
  void drawBackground();
  // Draws the map actors that lie in the camera's window, in slot order.
  void drawActors() const;
  // The caption's phase for captionTimer, which it advances and ends at 216.
  void drawCaption();
  // Whether an actor at x whose shown frame is w wide lies in the camera's window.
  bool inWindow(float x, int w) const;
};

// Destroys the current Scene, if any (the end of the game, and tests).
void deleteCurrentScene();

}  // namespace world
