// preview.cpp -- what a player sees of a map: windows of it over the far layer and the bar
#include "preview.h"

#include <algorithm>
#include <cstdio>

#include "common/png_image.h"
#include "pictures.h"

namespace scenery {
namespace {

constexpr int kViewWidth = 320, kViewHeight = 240;

// The view for one camera position: the map over the far layer scrolled at half speed,
// then the status bar.
std::vector<uint8_t> viewIndices(const Canvas& picture, const Canvas& far, const Canvas& bar,
                                 int camera) {
  std::vector<uint8_t> view(size_t(kViewWidth) * kViewHeight);
  for (int y = 0; y < kViewHeight; ++y)
    for (int x = 0; x < kViewWidth; ++x) {
      int index;
      if (y < kMapHeight) {
        index = picture.at(camera + x, y);
        if (index == kClear) index = far.at(camera / 2 + x, y);
      } else {
        index = bar.at(x, y - kMapHeight);
      }
      view[size_t(y) * kViewWidth + size_t(x)] = uint8_t(index);
    }
  return view;
}

std::vector<uint8_t> toRgb(const std::vector<uint8_t>& indices, const tools::Palette& palette) {
  std::vector<uint8_t> rgb;
  rgb.reserve(indices.size() * 3);
  for (uint8_t i : indices) {
    const tools::Rgb c = tools::shownColour(palette, i);
    rgb.insert(rgb.end(), {c.r, c.g, c.b});
  }
  return rgb;
}

bool write(const std::string& path, int w, int h, const std::vector<uint8_t>& rgb) {
  std::string error;
  if (common::writeRgbPng(path, w, h, rgb, error)) return true;
  std::fprintf(stderr, "make_scenery: %s\n", error.c_str());
  return false;
}

std::vector<uint8_t> doubled(const std::vector<uint8_t>& rgb, int w, int h) {
  std::vector<uint8_t> out(size_t(w) * h * 12);
  for (int y = 0; y < 2 * h; ++y)
    for (int x = 0; x < 2 * w; ++x)
      for (int k = 0; k < 3; ++k)
        out[(size_t(y) * 2 * w + x) * 3 + k] = rgb[(size_t(y / 2) * w + x / 2) * 3 + k];
  return out;
}

}  // namespace

tools::Palette tintedPalette(const tools::Palette& palette, const char* mapName) {
  int dr = 0, dg = 0, db = 0;
  if (mapName[0] != 0 && mapName[1] == '0') db = 15;
  if (mapName[0] != 0 && mapName[1] == '2') dg = -40, db = -50;
  tools::Palette out = palette;
  auto add = [](uint8_t v, int d) { return uint8_t(std::clamp(int(v) + d, 0, 255)); };
  for (int i = 0; i < 255; ++i) {
    out[size_t(i)].r = add(palette[size_t(i)].r, dr);
    out[size_t(i)].g = add(palette[size_t(i)].g, dg);
    out[size_t(i)].b = add(palette[size_t(i)].b, db);
  }
  return out;
}

bool writeMapPreviews(const std::string& dir, const MapEntry& map, const Canvas& picture,
                      const Canvas& far, const Canvas& bar, const tools::Palette& palette) {
  const tools::Palette tinted = tintedPalette(palette, map.name);
  const std::string base = dir + "/" + map.name;
  std::vector<uint8_t> strip(size_t(4 * kViewWidth) * kViewHeight * 3);
  for (int window = 0; window < 4; ++window) {
    const int camera = window * kViewWidth;
    const std::vector<uint8_t> rgb = toRgb(viewIndices(picture, far, bar, camera), tinted);
    for (int y = 0; y < kViewHeight; ++y)
      std::copy_n(rgb.begin() + long(y) * kViewWidth * 3, kViewWidth * 3,
                  strip.begin() + (long(y) * 4 * kViewWidth + camera) * 3);
    if (!write(base + "_" + std::to_string(camera) + ".png", 2 * kViewWidth, 2 * kViewHeight,
               doubled(rgb, kViewWidth, kViewHeight)))
      return false;
  }
  return write(base + "_strip.png", 4 * kViewWidth, kViewHeight, strip);
}

}  // namespace scenery
