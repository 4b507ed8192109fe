// scene_cycle.cpp -- map after map: reset, load, fade in, play, fade out, warp or end
#include "shell/scene_cycle.h"

#include <cstdio>
#include <cstring>

#include "actors/actor.h"
#include "actors/actors_state.h"
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
#include "gfx/gfx_state.h"
#include "gfx/text_draw.h"
#include "platform/clock.h"
#include "platform/quit.h"
#include "shell/live_reload.h"
#include "shell/shell_state.h"
#include "shell/tracer.h"
#include "world/event_interpreter.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace shell {
namespace {

using namespace display;
using namespace world;

// Left wins when both directions are held; during an event the hero stands,
// except in a scripted walk, which moves the hero itself.
void moveHero() {
  const auto& Hero = actors::actorsState().Hero;
  if (!Hero) return;
  if (worldState().CurrentEvent == 0) {
    const uint8_t* KeyState = displayState().KeyState;
    if (KeyState[platform::dik::LEFT] || KeyState[platform::dik::NUMPAD4])
      Hero->act(actors::kActWalkLeft);
    else if (KeyState[platform::dik::RIGHT] || KeyState[platform::dik::NUMPAD6])
      Hero->act(actors::kActWalkRight);
    else
      Hero->act(actors::kActStand);
  } else if (worldState().WalkCounter == -1) {
    Hero->act(actors::kActStand);
  }
}

void talkToActorInReach() {
  const auto& Hero = actors::actorsState().Hero;
  if (!Hero) return;
  const int partner = actors::findTalkPartner(*Hero);
  if (partner >= 0) actors::startTalk(*Hero, partner);
}

void handleTalkKey() {
  TalkKey& talkKey = shellState().talkKey;
  const bool spaceDown = displayState().KeyState[platform::dik::SPACE] != 0;
  const bool press = talkKey.freshPress(spaceDown);
  if (press && worldState().TextShown) {
    // A fully shown text balloon closes; the interpreter then goes on.
    worldState().TextIndex = -1;
    worldState().TextShown = 0;
  } else if (press && worldState().CurrentEvent == 0) {
    talkToActorInReach();
  }
  talkKey.advance(press, spaceDown);
}

void updateMapActors() {
  Scene* scene = worldState().CurrentScene.get();
  if (!scene) return;
  for (int i = 0; i < scene->actorCount; ++i)
    if (scene->actors[i]) scene->actors[i]->update();
}

// Both act in every frame the key is held; the run request comes last.
void handleMusicKeys() {
  const auto& Music = audio::audioState().Music;
  if (!Music) return;
  if (displayState().KeyState[platform::dik::F1]) Music->Stop();
  if (displayState().KeyState[platform::dik::F2]) Music->Play();
}

void stepFade() {
  int& Brightness = displayState().Brightness;
  if (worldState().WarpPending) {
    Brightness -= 2;
    SetBrightness(Brightness);
  } else if (Brightness < 100) {
    Brightness += 2;
    SetBrightness(Brightness);
  }
}

// Hardware copies into the unlocked surface: the far layer, then the map picture over it.
void drawBackgrounds() {
  if (const auto& far = gfx::gfxState().FarLayer) far->draw();
  if (Scene* scene = worldState().CurrentScene.get()) scene->drawBackground();
}

// Back to front: snow behind the characters, the map actors, the hero, the
// near snow, the status bar.
void drawWorld() {
  actors::drawSnowFar();
  actors::drawSnowMiddle();
  actors::drawSnowPile();
  if (Scene* scene = worldState().CurrentScene.get()) scene->drawActors();
  if (const auto& Hero = actors::actorsState().Hero) Hero->draw();
  actors::drawSnowNear();
  actors::drawStatusBar();
}

void drawFrame() {
  drawBackgrounds();
  uint8_t* bits = nullptr;
  auto& d = displayState();
  d.DrawSurface->lock(&bits);
  drawWorld();
  Scene* scene = worldState().CurrentScene.get();
  if (scene && scene->captionTimer != 0) scene->drawCaption();
  actors::drawBalloons();
  // The frame counter, top left of the view.
  if (shellState().frameCounterShown)
    gfx::drawText(d.APAGE.get(), common::kViewLeft, common::kViewTop, shellState().FrameText, 90);
  drawOverlay();
  d.DrawSurface->unlock();
}

void tickOncePerSecond() {
  FrameClock& clock = shellState().clock;
  ++clock.frameCount;
  // Unsigned compare, as the millisecond timer wraps.
  if (static_cast<uint32_t>(clock.lastTick + 1000) < platform::millis()) {
    clock.lastTick = platform::millis();
    clock.framesPerSecond = clock.frameCount;
    clock.frameCount = 0;
    if (audio::audioState().Music) audio::audioState().Music->CheckLoop();
  }
}

}  // namespace

void tintForMap(const char* mapName) {
  // Both tests are made, in this order; a one-letter name has its terminator there.
  if (mapName[1] == '0') TintPalette(0, 0, 15);
  if (mapName[1] == '2') TintPalette(0, -40, -50);
}

void beginScene() {
  WorldState& w = worldState();
  resetEventTables();
  deleteCurrentScene();
  w.CurrentScene = std::make_unique<Scene>();
  w.CurrentScene->load(shellState().MapName);  // a map that fails to load is still played
  watchCurrentMap();
  w.TextIndex = -1;
  w.WarpPending = 0;
  w.WalkCounter = -1;
  w.IconKind = 0;
  w.IconOwner = -1;
  w.IconTicker = 0;
  actors::initSnow(200);
  shellState().clock = FrameClock{platform::millis(), 0, 0};
  shellState().talkKey = TalkKey{};
  displayState().Brightness = 2;
  w.CurrentEvent = ENTRY_EVENT;
  // The reload drops any tint of the previous map.
  LoadPalette("grim\\pal.pal");
  tintForMap(shellState().MapName);
}

bool runFrame() {
  ReadKeyboard();
  if (platform::quitRequested()) return false;
  handleMusicKeys();
  if (displayState().KeyState[platform::dik::ESCAPE]) return false;
  moveHero();
  handleTalkKey();
  updateMapActors();
  actors::updateCamera();
  actors::updateSnow();
  if (!runEventStep()) shellState().GameRunning = 0;
  stepFade();
  const auto& Music = audio::audioState().Music;
  std::snprintf(shellState().FrameText, sizeof shellState().FrameText, "frame %d  %d",
                shellState().clock.framesPerSecond, Music ? Music->volume : 0);
  drawFrame();
  PresentFrame();
  tickOncePerSecond();
  reloadOnChange();
  return true;
}

void endScene() {
  ClearView(0);
  PresentFrame();
}

void runSceneCycle() {
  for (;;) {
    beginScene();
    while (displayState().Brightness != 0 && shellState().GameRunning != 0 &&
           !platform::quitRequested()) {
      if (!runFrame()) break;
    }
    // A quit leaves at once: no fade, no next map.
    if (platform::quitRequested()) return;
    endScene();
    if (!worldState().WarpPending) return;
    deleteCurrentScene();
    // The warp step is the one just before CurrentStep.
    const int k = worldState().CurrentStep - 1;
    if (worldState().CurrentEvent < 0 || worldState().CurrentEvent >= kEventCount || k < 0 ||
        k >= kStepCount)
      return;
    std::memcpy(shellState().MapName, eventTables().EventStr[worldState().CurrentEvent][k],
                kCellSize);
    shellState().MapName[kCellSize] = '\0';
    // The hero keeps everything but its x across the warp.
    if (actors::actorsState().Hero)
      actors::actorsState().Hero->x = float(eventTables().EventArg1[worldState().CurrentEvent][k]);
  }
}

}  // namespace shell
