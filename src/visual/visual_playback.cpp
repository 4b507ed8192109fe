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
  VisualState& v = visualState();
  // X starts after the keyword and its one separator and runs to the next space.
  const char* p = std::strlen(line) > 9 ? line + 10 : line + std::strlen(line);
  v.VisualTextX = readNumber(p);
  while (*p && *p != ' ') ++p;
  v.VisualTextY = readNumber(p);
}

// One character of the text line into the current row; rows past the last are typed
// into nothing, so the script still runs on.
void typeCharacter(const char* line) {
  VisualState& v = visualState();
  char* row = v.VisualRow >= 0 && v.VisualRow < kTextRows ? v.VisualText[v.VisualRow] : nullptr;
  const auto put = [&](char c) {
    if (row && v.VisualRowPos >= 0 && v.VisualRowPos < kLineSize - 1) row[v.VisualRowPos] = c;
  };
  const unsigned char c = static_cast<unsigned char>(line[v.VisualChar]);
  put(char(c));
  // A two-byte character is typed whole; a lead byte at the very end stays alone.
  if (c >= 0x80 && line[v.VisualChar + 1] != '\0') {
    ++v.VisualChar;
    ++v.VisualRowPos;
    put(line[v.VisualChar]);
  }
  ++v.VisualChar;
  ++v.VisualRowPos;
  if (line[v.VisualChar] == '\0') {
    v.VisualChar = 0;
    v.VisualRowPos = 0;
    ++v.VisualRow;
    ++v.VisualLine;
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
  VisualState& v = visualState();
  using namespace display;
  if (displayState().DrawSurface->bltFast(0, 0, *v.VisualPicture, v.VisualRect, false) ==
      platform::DDERR_SURFACELOST) {
    v.VisualPicture->restore();
    readPicture();
    displayState().DrawSurface->bltFast(0, 0, *v.VisualPicture, v.VisualRect, false);
  }
}

}  // namespace

void stepVisualScript() {
  VisualState& v = visualState();
  if (v.VisualWaiting) return;
  if (v.VisualLine < 0 || v.VisualLine >= kScriptLines) {
    v.VisualPlaying = 0;
    return;
  }
  const char* line = v.VisualScript[v.VisualLine];
  if (std::strcmp(line, keyword::kEnd) == 0) {
    v.VisualPlaying = 0;
  } else if (std::strcmp(line, keyword::kWaitKey) == 0) {
    v.VisualWaiting = 1;
    ++v.VisualLine;
  } else if (std::strcmp(line, keyword::kBlankRow) == 0) {
    ++v.VisualRow;
    ++v.VisualLine;
  } else if (std::strcmp(line, keyword::kClearText) == 0) {
    std::memset(v.VisualText, 0, sizeof v.VisualText);
    v.VisualRow = 0;
    v.VisualRowPos = 0;
    ++v.VisualLine;
  } else if (std::strncmp(line, keyword::kTextPosition, 9) == 0) {
    setTextPosition(line);
    ++v.VisualLine;
  } else {
    typeCharacter(line);
  }
}

void drawVisualFrame() {
  VisualState& v = visualState();
  copyPicture();
  uint8_t* bits = nullptr;
  display::displayState().DrawSurface->lock(&bits);
  const int lastRow = v.VisualRow < kTextRows ? v.VisualRow : kTextRows - 1;
  for (int i = 0; i <= lastRow; ++i)
    drawOutlined(v.VisualTextX, v.VisualTextY + 16 * i, v.VisualText[i]);
  if (v.VisualWaiting)
    drawOutlined(v.VisualTextX, v.VisualTextY + 16 * v.VisualRow, keyword::kPrompt);
  display::displayState().DrawSurface->unlock();
}

void presentVisualFrame() { display::PresentRect(visualState().VisualRect); }

void playVisualScene() {
  VisualState& v = visualState();
  if (!v.VisualPlaying || !v.VisualPicture) return;
  int level = 0;
  do {
    if (level < 100) display::SetBrightness(level += 2);
    display::ReadKeyboard();
    if (platform::quitRequested()) return;
    if (display::displayState().KeyState[KEY_1]) break;
    if (display::displayState().KeyState[SPACE]) {
      v.VisualWaiting = 0;
      // Held space freezes the scene until it is released.
      while (display::ReadKeyboard()[SPACE] && !platform::quitRequested()) platform::sleepMs(1);
      if (platform::quitRequested()) return;
    }
    stepVisualScript();
    drawVisualFrame();
    presentVisualFrame();
  } while (v.VisualPlaying && !platform::quitRequested());
  if (platform::quitRequested()) return;
  for (; level != 0; level -= 2) display::SetBrightness(level);
}

void finishVisualScene() {
  VisualState& v = visualState();
  using namespace display;
  uint8_t* bits = nullptr;
  displayState().PrimarySurface->lock(&bits);
  std::memset(bits, 0, size_t(common::kScreenWidth) * common::kScreenHeight);
  displayState().PrimarySurface->unlock();
  v.VisualPicture.reset();
  LoadPalette("grim\\pal.pal");
  if (v.PaletteSaved)
    std::copy(std::begin(v.SavedBasePalette), std::end(v.SavedBasePalette),
              displayState().BasePalette);
}

}  // namespace visual
