// fonts.cpp -- reading the font files into the fixed font tables
#include "gfx/fonts.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "gfx/gfx_state.h"
#include "platform/data_file.h"

namespace gfx {

namespace {

// A short read is accepted; only a read that yields nothing fails the load.
bool readSome(FILE* f, uint8_t* into, size_t count) { return std::fread(into, 1, count, f) > 0; }

bool loadAsciiFont() {
  FILE* f = platform::openDataFile("grim\\EngFont.fnt", kAsciiFontBytes);
  if (!f) return false;
  auto& asciiFont = gfxState().asciiFont;
  if (!asciiFont) asciiFont.reset(new (std::nothrow) uint8_t[kAsciiFontBytes]());
  const bool ok = asciiFont && readSome(f, asciiFont.get(), kAsciiFontBytes);
  std::fclose(f);
  return ok;
}

bool loadHangulFont() {
  FILE* f = platform::openDataFile("grim\\HanFont.fnt", kHangulFontBytes);
  if (!f) return false;
  auto& g = gfxState();
  const bool ok = readSome(f, g.hangulInitials, kInitialBytes) &&
                  readSome(f, g.hangulMedials, kMedialBytes) &&
                  readSome(f, g.hangulFinals, kFinalBytes);
  std::fclose(f);
  return ok;
}

bool loadSyllableCodes() {
  FILE* f = platform::openDataFile("grim\\han.inf", kSyllableCodeBytes);
  if (!f) return false;
  const bool ok = readSome(f, gfxState().syllableCodes, kSyllableCodeBytes);
  std::fclose(f);
  return ok;
}

}  // namespace

int loadFonts() { return loadAsciiFont() && loadHangulFont() && loadSyllableCodes() ? 1 : 0; }

void freeAsciiFont() { gfxState().asciiFont.reset(); }

}  // namespace gfx
