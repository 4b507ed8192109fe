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
  VisualTextX = readNumber(p);
  while (*p && *p != ' ') ++p;
  VisualTextY = readNumber(p);
}

// One character of the text line into the current row; rows past the last are typed
// into nothing, so the script still runs on.
void typeCharacter(const char* line) {
  char* row = VisualRow >= 0 && VisualRow < kTextRows ? VisualText[VisualRow] : nullptr;
  const auto put = [&](char c) {
    if (row && VisualRowPos >= 0 && VisualRowPos < kLineSize - 1) row[VisualRowPos] = c;
  };
  const unsigned char c = static_cast<unsigned char>(line[VisualChar]);
  put(char(c));
  // A two-byte character is typed whole; a lead byte at the very end stays alone.
  if (c >= 0x80 && line[VisualChar + 1] != '\0') {
    ++VisualChar;
    ++VisualRowPos;
    put(line[VisualChar]);
  }
  ++VisualChar;
  ++VisualRowPos;
  if (line[VisualChar] == '\0') {
    VisualChar = 0;
    VisualRowPos = 0;
    ++VisualRow;
    ++VisualLine;
  }
}

// Five passes: an outline of colour 14 around letters of colour 13.
void drawOutlined(int x, int y, const char* text) {
  gfx::drawText(display::APAGE, x - 1, y, text, 14);
  gfx::drawText(display::APAGE, x + 1, y, text, 14);
  gfx::drawText(display::APAGE, x, y - 1, text, 14);
  gfx::drawText(display::APAGE, x, y + 1, text, 14);
  gfx::drawText(display::APAGE, x, y, text, 13);
}

void copyPicture() {
  using namespace display;
  if (DrawSurface->bltFast(0, 0, *VisualPicture, VisualRect, false) ==
      platform::DDERR_SURFACELOST) {
    VisualPicture->restore();
    readPicture();
    DrawSurface->bltFast(0, 0, *VisualPicture, VisualRect, false);
  }
}

}  // namespace

void stepVisualScript() {
  if (VisualWaiting) return;
  if (VisualLine < 0 || VisualLine >= kScriptLines) {
    VisualPlaying = 0;
    return;
  }
  const char* line = VisualScript[VisualLine];
  if (std::strcmp(line, keyword::kEnd) == 0) {
    VisualPlaying = 0;
  } else if (std::strcmp(line, keyword::kWaitKey) == 0) {
    VisualWaiting = 1;
    ++VisualLine;
  } else if (std::strcmp(line, keyword::kBlankRow) == 0) {
    ++VisualRow;
    ++VisualLine;
  } else if (std::strcmp(line, keyword::kClearText) == 0) {
    std::memset(VisualText, 0, sizeof VisualText);
    VisualRow = 0;
    VisualRowPos = 0;
    ++VisualLine;
  } else if (std::strncmp(line, keyword::kTextPosition, 9) == 0) {
    setTextPosition(line);
    ++VisualLine;
  } else {
    typeCharacter(line);
  }
}

void drawVisualFrame() {
  copyPicture();
  uint8_t* bits = nullptr;
  display::DrawSurface->lock(&bits);
  const int lastRow = VisualRow < kTextRows ? VisualRow : kTextRows - 1;
  for (int i = 0; i <= lastRow; ++i) drawOutlined(VisualTextX, VisualTextY + 16 * i, VisualText[i]);
  if (VisualWaiting) drawOutlined(VisualTextX, VisualTextY + 16 * VisualRow, keyword::kPrompt);
  display::DrawSurface->unlock();
}

void presentVisualFrame() { display::PresentRect(VisualRect); }

void playVisualScene() {
  if (!VisualPlaying || !VisualPicture) return;
  int level = 0;
  do {
    if (level < 100) display::SetBrightness(level += 2);
    display::ReadKeyboard();
    if (display::KeyState[KEY_1]) break;
    if (display::KeyState[SPACE]) {
      VisualWaiting = 0;
      // Held space freezes the scene until it is released.
      while (display::ReadKeyboard()[SPACE]) platform::sleepMs(1);
    }
    stepVisualScript();
    drawVisualFrame();
    presentVisualFrame();
  } while (VisualPlaying);
  for (; level != 0; level -= 2) display::SetBrightness(level);
}

void finishVisualScene() {
  using namespace display;
  uint8_t* bits = nullptr;
  PrimarySurface->lock(&bits);
  std::memset(bits, 0, size_t(common::kScreenWidth) * common::kScreenHeight);
  PrimarySurface->unlock();
  VisualPicture.reset();
  LoadPalette("grim\\pal.pal");
  if (PaletteSaved)
    std::copy(std::begin(SavedBasePalette), std::end(SavedBasePalette), BasePalette);
}

}  // namespace visual
