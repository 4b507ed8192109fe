// unifont_hex.cpp -- reading GNU Unifont's .hex glyph lists
#include "mkfont/unifont_hex.h"

#include <fstream>

namespace mkfont {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The value of hex digits [from, from + count) of text, or -1.
long hexValue(const std::string& text, size_t from, size_t count) {
  long value = 0;
  for (size_t i = from; i < from + count; ++i) {
    const int d = hexDigit(text[i]);
    if (d < 0) return -1;
    value = value * 16 + d;
  }
  return value;
}

bool parseLine(const std::string& line, int& codePoint, HexGlyph& glyph) {
  const size_t colon = line.find(':');
  if (colon == std::string::npos || colon == 0 || colon > 6) return false;
  codePoint = static_cast<int>(hexValue(line, 0, colon));
  const size_t digits = line.size() - colon - 1;
  if (codePoint < 0 || (digits != 32 && digits != 64 && digits % 32 != 0)) return false;
  glyph.width = digits == 32 ? 8 : digits == 64 ? 16 : 0;
  const size_t perRow = digits / 16;
  for (int r = 0; r < 16; ++r) {
    const long v = hexValue(line, colon + 1 + r * perRow, perRow);
    if (v < 0) return false;
    if (glyph.width == 8) glyph.rows[r] = static_cast<uint16_t>(v << 8);
    if (glyph.width == 16) glyph.rows[r] = static_cast<uint16_t>(v);
  }
  return true;
}

}  // namespace

bool readUnifontHex(const std::string& path, HexFont& font, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error =
        path +
        ": cannot be opened (install the Debian package unifont, or name the file with --unifont)";
    return false;
  }
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    int codePoint = 0;
    HexGlyph glyph;
    if (!parseLine(line, codePoint, glyph)) {
      error = path + ":" + std::to_string(number) + ": not a line of the form XXXX:hex-bitmap";
      return false;
    }
    if (glyph.width) font[codePoint] = glyph;
  }
  return true;
}

}  // namespace mkfont
