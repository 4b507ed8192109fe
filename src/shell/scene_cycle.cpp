// scene_cycle.cpp -- map after map: reset, load, fade in, play, fade out, warp or end
#include "shell/scene_cycle.h"

#include <cstdio>
#include <cstring>

#include "actors/actor.h"
#include "actors/balloons.h"
#include "actors/camera.h"
#include "actors/snowfall.h"
#include "actors/status_bar.h"
#include "actors/talk.h"
#include "audio/music_player.h"
#include "common/geometry.h"
#include "display/display_device.h"
#include "display/keyboard.h"
#include "display/palette.h"
#include "display/pixel_page.h"
#include "gfx/background_layer.h"
#include "gfx/text_draw.h"
#include "platform/clock.h"
#include "shell/shell_state.h"
#include "world/event_interpreter.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace shell {
namespace {

using namespace display;
using namespace world;

struct FrameClock {
  uint32_t lastTick = 0;
  int framesPerSecond = 0;
  int frameCount = 0;
} clock;

TalkKey talkKey;

// Left wins when both directions are held; during an event the hero stands,
// except in a scripted walk, which moves the hero itself.
void moveHero() {
  using actors::Hero;
  if (!Hero) return;
  if (CurrentEvent == 0) {
    if (KeyState[platform::dik::LEFT] || KeyState[platform::dik::NUMPAD4])
      Hero->act(actors::kActWalkLeft);
    else if (KeyState[platform::dik::RIGHT] || KeyState[platform::dik::NUMPAD6])
      Hero->act(actors::kActWalkRight);
    else
      Hero->act(actors::kActStand);
  } else if (WalkCounter == -1) {
    Hero->act(actors::kActStand);
  }
}

void talkToActorInReach() {
  if (!actors::Hero) return;
  const int partner = actors::findTalkPartner(*actors::Hero);
  if (partner >= 0) actors::startTalk(*actors::Hero, partner);
}

void handleTalkKey() {
  const bool spaceDown = KeyState[platform::dik::SPACE] != 0;
  const bool press = talkKey.freshPress(spaceDown);
  if (press && TextShown) {
    // A fully shown text balloon closes; the interpreter then goes on.
    TextIndex = -1;
    TextShown = 0;
  } else if (press && CurrentEvent == 0) {
    talkToActorInReach();
  }
  talkKey.advance(press, spaceDown);
}

void updateMapActors() {
  if (!CurrentScene) return;
  for (int i = 0; i < CurrentScene->actorCount; ++i)
    if (CurrentScene->actors[i]) CurrentScene->actors[i]->update();
}

// Both act in every frame the key is held; the run request comes last.
void handleMusicKeys() {
  if (!audio::Music) return;
  if (KeyState[platform::dik::F1]) audio::Music->Stop();
  if (KeyState[platform::dik::F2]) audio::Music->Play();
}

void stepFade() {
  if (WarpPending) {
    Brightness -= 2;
    SetBrightness(Brightness);
  } else if (Brightness < 100) {
    Brightness += 2;
    SetBrightness(Brightness);
  }
}

// Hardware copies into the unlocked surface: the far layer, then the map picture over it.
void drawBackgrounds() {
  if (gfx::FarLayer) gfx::FarLayer->draw();
  if (CurrentScene) CurrentScene->drawBackground();
}

// Back to front: snow behind the characters, the map actors, the hero, the
// near snow, the status bar.
void drawWorld() {
  actors::drawSnowFar();
  actors::drawSnowMiddle();
  actors::drawSnowPile();
  if (CurrentScene) CurrentScene->drawActors();
  if (actors::Hero) actors::Hero->draw();
  actors::drawSnowNear();
  actors::drawStatusBar();
}

void drawFrame() {
  drawBackgrounds();
  uint8_t* bits = nullptr;
  DrawSurface->lock(&bits);
  drawWorld();
  if (CurrentScene && CurrentScene->captionTimer != 0) CurrentScene->drawCaption();
  actors::drawBalloons();
  // The frame counter, top left of the view.
  gfx::drawText(APAGE, common::kViewLeft, common::kViewTop, FrameText, 90);
  DrawSurface->unlock();
}

void tickOncePerSecond() {
  ++clock.frameCount;
  // Unsigned compare, as the millisecond timer wraps.
  if (static_cast<uint32_t>(clock.lastTick + 1000) < platform::millis()) {
    clock.lastTick = platform::millis();
    clock.framesPerSecond = clock.frameCount;
    clock.frameCount = 0;
    if (audio::Music) audio::Music->CheckLoop();
  }
}

}  // namespace

void tintForMap(const char* mapName) {
  // Both tests are made, in this order; a one-letter name has its terminator there.
  if (mapName[1] == '0') TintPalette(0, 0, 15);
  if (mapName[1] == '2') TintPalette(0, -40, -50);
}

void beginScene() {
  resetEventTables();
  deleteCurrentScene();
  CurrentScene = new Scene;
  CurrentScene->load(MapName);  // a map that fails to load is still played
  TextIndex = -1;
  WarpPending = 0;
  WalkCounter = -1;
  IconKind = 0;
  IconOwner = -1;
  IconTicker = 0;
  actors::initSnow(200);
  clock = FrameClock{platform::millis(), 0, 0};
  talkKey = TalkKey{};
  Brightness = 2;
  CurrentEvent = ENTRY_EVENT;
  // The reload drops any tint of the previous map.
  LoadPalette("grim\\pal.pal");
  tintForMap(MapName);
}

bool runFrame() {
  ReadKeyboard();
  handleMusicKeys();
  if (KeyState[platform::dik::ESCAPE]) return false;
  moveHero();
  handleTalkKey();
  updateMapActors();
  actors::updateCamera();
  actors::updateSnow();
  runEventStep();
  stepFade();
  std::snprintf(FrameText, sizeof FrameText, "frame %d  %d", clock.framesPerSecond,
                audio::Music ? audio::Music->volume : 0);
  drawFrame();
  PresentFrame();
  tickOncePerSecond();
  return true;
}

void endScene() {
  ClearView(0);
  PresentFrame();
}

void runSceneCycle() {
  for (;;) {
    beginScene();
    while (Brightness != 0 && GameRunning != 0) {
      if (!runFrame()) break;
    }
    endScene();
    if (!WarpPending) return;
    deleteCurrentScene();
    // The warp step is the one just before CurrentStep.
    const int k = CurrentStep - 1;
    if (CurrentEvent < 0 || CurrentEvent >= kEventCount || k < 0 || k >= kStepCount) return;
    std::memcpy(MapName, EventStr[CurrentEvent][k], kCellSize);
    MapName[kCellSize] = '\0';
    // The hero keeps everything but its x across the warp.
    if (actors::Hero) actors::Hero->x = float(EventArg1[CurrentEvent][k]);
  }
}

}  // namespace shell
