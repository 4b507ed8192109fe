// font_files.cpp -- laying out the font files
#include "mkfont/font_files.h"

#include <fstream>

namespace mkfont {
namespace {

void appendGlyph(std::string& bytes, const Rows16& rows) {
  for (uint16_t row : rows) {
    bytes += static_cast<char>(row >> 8);
    bytes += static_cast<char>(row & 0xFF);
  }
}

}  // namespace

std::string asciiFontBytes(const HexFont& font) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) {
    const auto it = font.find(b);
    const bool narrow = it != font.end() && it->second.width == 8;
    for (int r = 0; r < 16; ++r) bytes += static_cast<char>(narrow ? it->second.rows[r] >> 8 : 0);
  }
  return bytes;
}

std::string hangulFontBytes(const LetterGlyphs& glyphs) {
  std::string bytes;
  for (const auto& set : glyphs.initials)
    for (const Rows16& g : set) appendGlyph(bytes, g);
  for (const auto& set : glyphs.medials)
    for (const Rows16& g : set) appendGlyph(bytes, g);
  for (const auto& set : glyphs.finals)
    for (const Rows16& g : set) appendGlyph(bytes, g);
  return bytes;
}

std::string syllableCodeBytes(const std::vector<Syllable>& ks) {
  std::string bytes;
  for (const Syllable& s : ks) {
    bytes += static_cast<char>(s.johab >> 8);
    bytes += static_cast<char>(s.johab & 0xFF);
  }
  return bytes;
}

bool writeBytes(const std::string& path, const std::string& bytes, std::string& error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    error = path + ": cannot be written";
    return false;
  }
  return true;
}

}  // namespace mkfont
