// test_fonts.cpp -- a tiny font set for tests, whose glyphs say what was drawn
#include "support/test_fonts.h"

#include <iconv.h>

#include <filesystem>

#include "support/engine_fixture.h"

namespace testing_support {

std::string testAsciiFont() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes.append(16, char(b));
  return bytes;
}

namespace {

void appendKind(std::string& bytes, int sets, int glyphs, int row) {
  for (int s = 0; s < sets; ++s)
    for (int g = 0; g < glyphs; ++g) {
      std::string glyph(32, '\0');
      const uint16_t mark = testLetterRow(s, g);
      glyph[2 * row] = char(mark >> 8);
      glyph[2 * row + 1] = char(mark & 0xFF);
      bytes += glyph;
    }
}

}  // namespace

std::string testHangulFont() {
  std::string bytes;
  appendKind(bytes, 8, 20, 0);
  appendKind(bytes, 4, 22, 1);
  appendKind(bytes, 4, 28, 2);
  return bytes;
}

std::string testSyllableCodes() {
  std::string codes;
  iconv_t cd = iconv_open("JOHAB", "EUC-KR");
  for (int lead = 0xB0; lead <= 0xC8; ++lead)
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      char in[2] = {char(lead), char(trail)}, out[4] = {};
      char* inp = in;
      char* outp = out;
      size_t inLeft = 2, outLeft = sizeof out;
      if (cd == iconv_t(-1) || iconv(cd, &inp, &inLeft, &outp, &outLeft) == size_t(-1))
        out[0] = out[1] = 0;
      codes += out[0];
      codes += out[1];
    }
  if (cd != iconv_t(-1)) iconv_close(cd);
  return codes;
}

void writeTestFonts() {
  namespace fs = std::filesystem;
  if (!fs::exists("grim/EngFont.fnt")) writeFile("grim/EngFont.fnt", testAsciiFont());
  if (!fs::exists("grim/HanFont.fnt")) writeFile("grim/HanFont.fnt", testHangulFont());
  if (!fs::exists("grim/han.inf")) writeFile("grim/han.inf", testSyllableCodes());
}

}  // namespace testing_support
