// palette_file.cpp -- reading and writing the game's palette files
#include "common/palette_file.h"

#include <cstdio>

#include "common/cli.h"

namespace tools {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool readPaletteFile(const std::string& path, PaletteFile& palette, std::string& error) {
  std::string bytes;
  if (!readWholeFile(path, bytes, error)) return false;
  if (bytes.size() != kPaletteColourBytes && bytes.size() != kPaletteFileBytes) {
    error = path + " is " + std::to_string(bytes.size()) +
            " bytes; a palette file is 66304 bytes (colours and mixing table) or 768 (colours)";
    return false;
  }
  for (int i = 0; i < 256; ++i)
    palette.colours[size_t(i)] =
        Rgb{uint8_t(bytes[size_t(3 * i)]), uint8_t(bytes[size_t(3 * i + 1)]),
            uint8_t(bytes[size_t(3 * i + 2)])};
  palette.mixTable.assign(bytes.begin() + kPaletteColourBytes, bytes.end());
  return true;
}

bool writePaletteFile(const std::string& path, const PaletteFile& palette, std::string& error) {
  if (!palette.mixTable.empty() && palette.mixTable.size() != kMixTableBytes)
    return error = "mixing table of the wrong size", false;
  std::vector<uint8_t> bytes;
  bytes.reserve(kPaletteFileBytes);
  for (const Rgb& c : palette.colours) bytes.insert(bytes.end(), {c.r, c.g, c.b});
  bytes.insert(bytes.end(), palette.mixTable.begin(), palette.mixTable.end());
  return writeWholeFile(path, bytes.data(), bytes.size(), error);
}

Rgb shownColour(const Palette& palette, int index) {
  return index == kTransparentIndex ? Rgb{} : palette[size_t(index)];
}

std::vector<uint8_t> shownPaletteBytes(const Palette& palette) {
  std::vector<uint8_t> bytes;
  bytes.reserve(kPaletteColourBytes);
  for (int i = 0; i < 256; ++i) {
    const Rgb c = shownColour(palette, i);
    bytes.insert(bytes.end(), {c.r, c.g, c.b});
  }
  return bytes;
}

std::string hexColour(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
  return text;
}

bool parseHexColour(const std::string& text, Rgb& colour) {
  const size_t start = !text.empty() && text[0] == '#' ? 1 : 0;
  if (text.size() != start + 6) return false;
  int v[6];
  for (size_t i = 0; i < 6; ++i)
    if ((v[i] = hexDigit(text[start + i])) < 0) return false;
  colour = Rgb{uint8_t(v[0] * 16 + v[1]), uint8_t(v[2] * 16 + v[3]), uint8_t(v[4] * 16 + v[5])};
  return true;
}

}  // namespace tools
