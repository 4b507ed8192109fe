// visual_state.cpp -- the cut-scene's process-wide state
#include <algorithm>
#include <cstring>
#include <iterator>

#include "visual/visual_mode.h"

namespace visual {

char VisualScript[kScriptLines][kLineSize];
char VisualText[kTextRows][kLineSize];
std::unique_ptr<platform::Surface> VisualPicture;
char VisualPicturePath[256];
platform::Rect VisualRect = pictureRect();
platform::PaletteEntry SavedBasePalette[common::kPaletteColours];
int32_t VisualLine = 0, VisualChar = 0, VisualRow = 0, VisualRowPos = 0;
int32_t VisualTextX = 0, VisualTextY = 0;
int32_t VisualWaiting = 0, VisualPlaying = 0;

void resetVisualGlobals() {
  std::memset(VisualScript, 0, sizeof VisualScript);
  std::memset(VisualText, 0, sizeof VisualText);
  VisualPicture.reset();
  std::memset(VisualPicturePath, 0, sizeof VisualPicturePath);
  VisualRect = pictureRect();
  std::fill(std::begin(SavedBasePalette), std::end(SavedBasePalette), platform::PaletteEntry{});
  VisualLine = VisualChar = VisualRow = VisualRowPos = 0;
  VisualTextX = VisualTextY = 0;
  VisualWaiting = VisualPlaying = 0;
}

}  // namespace visual
