// visual_mode.h -- full-screen cut-scenes: a 640 x 480 picture, its palette, and typed text
#pragma once

#include <cstdint>
#include <memory>

#include "common/data_formats.h"
#include "platform/video.h"

namespace visual {

constexpr int kScriptLines = 2000;
constexpr int kTextRows = 100;
constexpr int kLineSize = 255;

extern char VisualScript[kScriptLines][kLineSize];
extern char VisualText[kTextRows][kLineSize];
extern std::unique_ptr<platform::Surface> VisualPicture;
extern char VisualPicturePath[256];
extern platform::Rect VisualRect;
// The whole cut-scene picture, where VisualRect starts.
constexpr platform::Rect pictureRect() {
  return {0, 0, common::kCutScenePictureWidth, common::kCutScenePictureHeight};
}
extern platform::PaletteEntry SavedBasePalette[common::kPaletteColours];
extern int32_t VisualLine, VisualChar, VisualRow, VisualRowPos;
extern int32_t VisualTextX, VisualTextY;
extern int32_t VisualWaiting, VisualPlaying;

// 0 loaded; 1 no script; 2 no surface; 3 no picture file; 4 empty picture; 5 no palette.
int loadVisualScene(const char* name);
// Runs the loaded scene to its end marker or the key 1; returns at once after a failed load.
void playVisualScene();
// The screen cleared to entry 0, the picture released, the game's palette back.
void finishVisualScene();

// One frame's pieces.
void stepVisualScript();
void drawVisualFrame();
void presentVisualFrame();

void resetVisualGlobals();

}  // namespace visual
