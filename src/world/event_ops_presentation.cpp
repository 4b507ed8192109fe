// event_ops_presentation.cpp -- event steps the player sees: text and icon balloons, camera, visual
// mode
#include "actors/actor.h"
#include "actors/actors_state.h"
#include "actors/camera.h"
#include "audio/music_player.h"
#include "display/display_device.h"
#include "display/palette.h"
#include "gfx/background_layer.h"
#include "gfx/gfx_state.h"
#include "platform/quit.h"
#include "visual/visual_mode.h"
#include "world/event_interpreter_ops.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace world {
namespace {

// Visual mode plays 6 dB below the map's music.
constexpr int kVisualVolume = -600;

}  // namespace

// The following steps wait until the balloon is closed by the talk key.
Flow openText(const Step& s) {
  WorldState& w = worldState();
  const int32_t row = decimalValue(s.str);
  if (row < 0 || row >= kTextLineCount) return Flow::kNext;
  w.TextIndex = row;
  w.TextTicker = 0;
  w.TextShown = 0;
  return Flow::kNext;
}

// 0 puts the balloon over the hero, k over the actor in slot k - 1. The
// script does not wait for it.
Flow openIcon(const Step& s) {
  WorldState& w = worldState();
  const bool carrier =
      s.a1 == 0 ? actors::actorsState().Hero != nullptr : sceneActor(s.a1 - 1) != nullptr;
  if (!carrier || s.a2 < 0 || s.a2 >= kIconKinds) return Flow::kNext;
  w.IconTicker = 0;
  w.IconOwner = s.a1;
  w.IconKind = s.a2;
  return Flow::kNext;
}

// Onto the hero at once, with the far layer at half its place; the next step
// runs in the same call.
Flow setCamera(const Step&) {
  WorldState& w = worldState();
  if (w.CurrentScene) {
    actors::centreCamera(*w.CurrentScene);
    if (gfx::gfxState().FarLayer) gfx::gfxState().FarLayer->scrollX = w.CurrentScene->cameraX >> 1;
  }
  return Flow::kGoOn;
}

// Inside this one step: the game fades down and goes black, the cut-scene
// plays in a loop of its own, and the frame loop fades the map back in from 2.
Flow playVisual(const Step& s) {
  for (int n = display::displayState().Brightness; n > 0; n -= 2) display::SetBrightness(n);
  if (audio::audioState().Music) audio::audioState().Music->SetVolume(kVisualVolume);
  display::ClearView(0);
  display::PresentFrame();
  // A quit on the way leaves the step as it stands; the game unwinds from here.
  if (platform::quitRequested()) return Flow::kStay;
  visual::loadVisualScene(s.str);
  visual::playVisualScene();
  if (platform::quitRequested()) return Flow::kStay;
  visual::finishVisualScene();
  if (audio::audioState().Music) audio::audioState().Music->SetVolume(0);
  ++worldState().CurrentStep;
  display::displayState().Brightness = 2;
  return Flow::kStay;
}

}  // namespace world
