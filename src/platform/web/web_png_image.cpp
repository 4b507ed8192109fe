// web_png_image.cpp -- PNG pictures in the browser edition, encoded by the page's canvas
#include <emscripten.h>

#include "common/png_image.h"

namespace common {
namespace {

// The canvas keeps colours exact only where a pixel is opaque, as every shot's pixel is.
EM_JS(int, pelmo_web_write_png, (const char* path, const uint8_t* rgba, int width, int height), {
  var canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  var context = canvas.getContext('2d');
  var image = context.createImageData(width, height);
  image.data.set(HEAPU8.subarray(rgba, rgba + width * height * 4));
  context.putImageData(image, 0, 0);
  var url = canvas.toDataURL('image/png');
  var text = atob(url.slice(url.indexOf(',') + 1));
  var bytes = new Uint8Array(text.length);
  for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  try {
    FS.writeFile(UTF8ToString(path), bytes);
    return 1;
  } catch (e) {
    return 0;
  }
});

bool writeThroughCanvas(const std::string& path, int width, int height,
                        const std::vector<uint8_t>& rgba, std::string& error) {
  if (pelmo_web_write_png(path.c_str(), rgba.data(), width, height)) return true;
  error = "cannot write " + path;
  return false;
}

}  // namespace

bool writeRgbaPng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba,
                  std::string& error) {
  return writeThroughCanvas(path, width, height, rgba, error);
}

bool writeRgbPng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
                 std::string& error) {
  std::vector<uint8_t> rgba(size_t(width) * height * 4, 255);
  for (size_t i = 0; i < size_t(width) * height; ++i)
    for (int c = 0; c < 3; ++c) rgba[4 * i + c] = rgb[3 * i + c];
  return writeThroughCanvas(path, width, height, rgba, error);
}

// Written as full colour: the page's encoder makes no palettized files.
bool writeIndexedPng(const std::string& path, int width, int height,
                     const std::vector<uint8_t>& indices, const std::vector<uint8_t>& palette,
                     std::string& error, const std::vector<uint8_t>* alpha) {
  std::vector<uint8_t> rgba(size_t(width) * height * 4, 0);
  for (size_t i = 0; i < size_t(width) * height; ++i) {
    const size_t entry = indices[i];
    if (3 * entry + 2 < palette.size())
      for (int c = 0; c < 3; ++c) rgba[4 * i + c] = palette[3 * entry + c];
    rgba[4 * i + 3] = (alpha && entry < alpha->size()) ? (*alpha)[entry] : 255;
  }
  return writeThroughCanvas(path, width, height, rgba, error);
}

// Only the authors' tools read pictures, and they are not part of the browser edition.
bool readPng(const std::string& path, RgbaImage&, std::string& error) {
  error = path + ": reading PNG pictures is not part of the browser edition";
  return false;
}

}  // namespace common
