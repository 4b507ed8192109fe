// visual_playback.cpp -- playing a cut-scene: fade, keys, one script step, drawing, presentation
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "display/display_device.h"
#include "display/keyboard.h"
#include "display/palette.h"
#include "display/pixel_page.h"
#include "gfx/text_draw.h"
#include "platform/clock.h"
#include "platform/quit.h"
#include "visual/visual_keywords.h"
#include "visual/visual_loader_detail.h"
#include "visual/visual_mode.h"

namespace visual {
namespace {

using platform::dik::KEY_1;
using platform::dik::SPACE;

// A decimal integer as the coordinate directive reads it: leading spaces, an optional
// sign, digits; the first other byte ends it.
int readNumber(const char*& p) {
  while (*p == ' ') ++p;
  bool negative = false;
  if (*p == '-' || *p == '+') negative = *p++ == '-';
  long value = 0;
  while (*p >= '0' && *p <= '9') {
    if (value < 100000000) value = value * 10 + (*p - '0');
    ++p;
  }
  return int(negative ? -value : value);
}

void setTextPosition(const char* line) {
  // X starts after the keyword and its one separator and runs to the next space.
  const char* p = std::strlen(line) > 9 ? line + 10 : line + std::strlen(line);
  visualState().VisualTextX = readNumber(p);
  while (*p && *p != ' ') ++p;
  visualState().VisualTextY = readNumber(p);
}

// One character of the text line into the current row; rows past the last are typed
// into nothing, so the script still runs on.
void typeCharacter(const char* line) {
  char* row = visualState().VisualRow >= 0 && visualState().VisualRow < kTextRows
                  ? visualState().VisualText[visualState().VisualRow]
                  : nullptr;
  const auto put = [&](char c) {
    if (row && visualState().VisualRowPos >= 0 && visualState().VisualRowPos < kLineSize - 1)
      row[visualState().VisualRowPos] = c;
  };
  const unsigned char c = static_cast<unsigned char>(line[visualState().VisualChar]);
  put(char(c));
  // A two-byte character is typed whole; a lead byte at the very end stays alone.
  if (c >= 0x80 && line[visualState().VisualChar + 1] != '\0') {
    ++visualState().VisualChar;
    ++visualState().VisualRowPos;
    put(line[visualState().VisualChar]);
  }
  ++visualState().VisualChar;
  ++visualState().VisualRowPos;
  if (line[visualState().VisualChar] == '\0') {
    visualState().VisualChar = 0;
    visualState().VisualRowPos = 0;
    ++visualState().VisualRow;
    ++visualState().VisualLine;
  }
}

// Five passes: an outline of colour 14 around letters of colour 13.
void drawOutlined(int x, int y, const char* text) {
  display::PixelPage* page = display::displayState().APAGE.get();
  gfx::drawText(page, x - 1, y, text, 14);
  gfx::drawText(page, x + 1, y, text, 14);
  gfx::drawText(page, x, y - 1, text, 14);
  gfx::drawText(page, x, y + 1, text, 14);
  gfx::drawText(page, x, y, text, 13);
}

void copyPicture() {
  using namespace display;
  if (displayState().DrawSurface->bltFast(0, 0, *visualState().VisualPicture,
                                          visualState().VisualRect,
                                          false) == platform::DDERR_SURFACELOST) {
    visualState().VisualPicture->restore();
    readPicture();
    displayState().DrawSurface->bltFast(0, 0, *visualState().VisualPicture,
                                        visualState().VisualRect, false);
  }
}

}  // namespace

void stepVisualScript() {
  if (visualState().VisualWaiting) return;
  if (visualState().VisualLine < 0 || visualState().VisualLine >= kScriptLines) {
    visualState().VisualPlaying = 0;
    return;
  }
  const char* line = visualState().VisualScript[visualState().VisualLine];
  if (std::strcmp(line, keyword::kEnd) == 0) {
    visualState().VisualPlaying = 0;
  } else if (std::strcmp(line, keyword::kWaitKey) == 0) {
    visualState().VisualWaiting = 1;
    ++visualState().VisualLine;
  } else if (std::strcmp(line, keyword::kBlankRow) == 0) {
    ++visualState().VisualRow;
    ++visualState().VisualLine;
  } else if (std::strcmp(line, keyword::kClearText) == 0) {
    std::memset(visualState().VisualText, 0, sizeof visualState().VisualText);
    visualState().VisualRow = 0;
    visualState().VisualRowPos = 0;
    ++visualState().VisualLine;
  } else if (std::strncmp(line, keyword::kTextPosition, 9) == 0) {
    setTextPosition(line);
    ++visualState().VisualLine;
  } else {
    typeCharacter(line);
  }
}

void drawVisualFrame() {
  copyPicture();
  uint8_t* bits = nullptr;
  display::displayState().DrawSurface->lock(&bits);
  const int lastRow = visualState().VisualRow < kTextRows ? visualState().VisualRow : kTextRows - 1;
  for (int i = 0; i <= lastRow; ++i)
    drawOutlined(visualState().VisualTextX, visualState().VisualTextY + 16 * i,
                 visualState().VisualText[i]);
  if (visualState().VisualWaiting)
    drawOutlined(visualState().VisualTextX,
                 visualState().VisualTextY + 16 * visualState().VisualRow, keyword::kPrompt);
  display::displayState().DrawSurface->unlock();
}

void presentVisualFrame() { display::PresentRect(visualState().VisualRect); }

void playVisualScene() {
  if (!visualState().VisualPlaying || !visualState().VisualPicture) return;
  int level = 0;
  do {
    if (level < 100) display::SetBrightness(level += 2);
    display::ReadKeyboard();
    if (platform::quitRequested()) return;
    if (display::displayState().KeyState[KEY_1]) break;
    if (display::displayState().KeyState[SPACE]) {
      visualState().VisualWaiting = 0;
      // Held space freezes the scene until it is released.
      while (display::ReadKeyboard()[SPACE] && !platform::quitRequested()) platform::sleepMs(1);
      if (platform::quitRequested()) return;
    }
    stepVisualScript();
    drawVisualFrame();
    presentVisualFrame();
  } while (visualState().VisualPlaying && !platform::quitRequested());
  if (platform::quitRequested()) return;
  for (; level != 0; level -= 2) display::SetBrightness(level);
}

void finishVisualScene() {
  using namespace display;
  uint8_t* bits = nullptr;
  displayState().PrimarySurface->lock(&bits);
  std::memset(bits, 0, size_t(common::kScreenWidth) * common::kScreenHeight);
  displayState().PrimarySurface->unlock();
  visualState().VisualPicture.reset();
  LoadPalette("grim\\pal.pal");
  if (visualState().PaletteSaved)
    std::copy(std::begin(visualState().SavedBasePalette), std::end(visualState().SavedBasePalette),
              displayState().BasePalette);
}

}  // namespace visual
