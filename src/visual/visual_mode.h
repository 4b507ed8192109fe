// visual_mode.h -- full-screen cut-scenes: a 640 x 480 picture, its palette, and typed text
#pragma once

#include <cstdint>
#include <memory>

#include "common/bound_state.h"
#include "common/data_formats.h"
#include "platform/video.h"

namespace visual {

constexpr int kScriptLines = 2000;
constexpr int kTextRows = 100;
constexpr int kLineSize = 255;

// The whole cut-scene picture, where VisualRect starts.
constexpr platform::Rect pictureRect() {
  return {0, 0, common::kCutScenePictureWidth, common::kCutScenePictureHeight};
}

// The cut-scene's state: its script, its picture, the game's palette kept meanwhile, and
// how far the script and its typed text have got.
struct VisualState {
  char VisualScript[kScriptLines][kLineSize] = {};
  char VisualText[kTextRows][kLineSize] = {};
  std::unique_ptr<platform::Surface> VisualPicture;
  char VisualPicturePath[256] = {};
  platform::Rect VisualRect = pictureRect();
  platform::PaletteEntry SavedBasePalette[common::kPaletteColours] = {};
  // Set when a load saved BasePalette into SavedBasePalette; finishing puts it back only then.
  bool PaletteSaved = false;
  int32_t VisualLine = 0, VisualChar = 0, VisualRow = 0, VisualRowPos = 0;
  int32_t VisualTextX = 0, VisualTextY = 0;
  int32_t VisualWaiting = 0, VisualPlaying = 0;
};

// The running game's cut-scene state, owned by the game object, which binds it.
inline VisualState& visualState() { return common::Bound<VisualState>::get(); }

// What loadVisualScene did: loaded, or the step that failed.
enum class VisualLoad : int {
  kLoaded = 0,
  kNoScript = 1,
  kNoSurface = 2,
  kNoPictureFile = 3,
  kEmptyPicture = 4,
  kNoPalette = 5,
};
VisualLoad loadVisualScene(const char* name);
// Runs the loaded scene to its end marker or the key 1; returns at once after a failed load.
void playVisualScene();
// The screen cleared to entry 0, the picture released, the game's palette back.
void finishVisualScene();

// One frame's pieces.
void stepVisualScript();
void drawVisualFrame();
void presentVisualFrame();

}  // namespace visual
