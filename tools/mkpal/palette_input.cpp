// palette_input.cpp -- the colours mkpal starts from: a colour list, a PNG or a palette file
#include "mkpal/palette_input.h"

#include <algorithm>
#include <cctype>

#include "common/cli.h"
#include "common/colour_list.h"
#include "common/palette_png.h"
#include "common/png_image.h"

namespace mkpal {
namespace {

bool endsWithPal(const std::string& path) {
  if (path.size() < 4) return false;
  std::string end = path.substr(path.size() - 4);
  std::transform(end.begin(), end.end(), end.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return end == ".pal";
}

bool fromPng(const std::string& path, bool swatch, PaletteInput& input, std::string& error) {
  common::RgbaImage image;
  if (!common::readPng(path, image, error)) return false;
  int count = 0;
  if (!tools::paletteFromPng(image, swatch, input.colours, count, error)) {
    error = path + ": " + error;
    return false;
  }
  input.given = std::min(count, 256);
  input.entry255Given = count == 256;
  return true;
}

bool fromList(const std::string& path, PaletteInput& input, std::string& error) {
  std::string text;
  if (!tools::readWholeFile(path, text, error)) return false;
  tools::ColourList list;
  if (!tools::parseColourList(text, path, list, error)) return false;
  input.colours = list.colours;
  input.given = list.given();
  input.entry255Given = list.lineOf[tools::kTransparentIndex] != 0;
  return true;
}

}  // namespace

bool readPaletteInput(const std::string& path, bool swatch, PaletteInput& input,
                      std::string& error) {
  input = PaletteInput{};
  if (tools::looksLikePng(path)) return fromPng(path, swatch, input, error);
  if (swatch) return error = path + " is not a PNG file; --swatch reads PNG swatches", false;
  if (!endsWithPal(path)) return fromList(path, input, error);
  tools::PaletteFile file;
  if (!tools::readPaletteFile(path, file, error)) return false;
  input.colours = file.colours;
  input.given = 256;
  input.entry255Given = true;
  return true;
}

}  // namespace mkpal
