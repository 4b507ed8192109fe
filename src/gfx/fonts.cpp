// fonts.cpp -- reading the font files into the fixed font tables
#include "gfx/fonts.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "platform/data_file.h"

namespace gfx {

uint8_t* asciiFont = nullptr;
uint8_t hangulInitials[kInitialBytes];
uint8_t hangulMedials[kMedialBytes];
uint8_t hangulFinals[kFinalBytes];
uint8_t syllableCodes[kSyllableCodeBytes];

namespace {

// A short read is accepted; only a read that yields nothing fails the load.
bool readSome(FILE* f, uint8_t* into, size_t count) { return std::fread(into, 1, count, f) > 0; }

bool loadAsciiFont() {
  FILE* f = platform::openDataFile("grim\\EngFont.fnt", "rb");
  if (!f) return false;
  if (!asciiFont) asciiFont = new (std::nothrow) uint8_t[kAsciiFontBytes]();
  const bool ok = asciiFont && readSome(f, asciiFont, kAsciiFontBytes);
  std::fclose(f);
  return ok;
}

bool loadHangulFont() {
  FILE* f = platform::openDataFile("grim\\HanFont.fnt", "rb");
  if (!f) return false;
  const bool ok = readSome(f, hangulInitials, kInitialBytes) &&
                  readSome(f, hangulMedials, kMedialBytes) &&
                  readSome(f, hangulFinals, kFinalBytes);
  std::fclose(f);
  return ok;
}

bool loadSyllableCodes() {
  FILE* f = platform::openDataFile("grim\\han.inf", "rb");
  if (!f) return false;
  const bool ok = readSome(f, syllableCodes, kSyllableCodeBytes);
  std::fclose(f);
  return ok;
}

}  // namespace

int loadFonts() { return loadAsciiFont() && loadHangulFont() && loadSyllableCodes() ? 1 : 0; }

void freeAsciiFont() {
  delete[] asciiFont;
  asciiFont = nullptr;
}

void resetFontGlobals() {
  freeAsciiFont();
  std::memset(hangulInitials, 0, sizeof hangulInitials);
  std::memset(hangulMedials, 0, sizeof hangulMedials);
  std::memset(hangulFinals, 0, sizeof hangulFinals);
  std::memset(syllableCodes, 0, sizeof syllableCodes);
}

}  // namespace gfx
