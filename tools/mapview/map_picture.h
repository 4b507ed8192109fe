// map_picture.h -- a whole map drawn by the engine's own drawing code, as the game shows it
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mapview {

// An RGB picture, 3 bytes a pixel, row by row.
struct RgbPicture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;

  RgbPicture() = default;
  RgbPicture(int w, int h, uint8_t grey = 0) : width(w), height(h), rgb(size_t(w) * h * 3, grey) {}
  uint8_t* at(int x, int y) { return &rgb[(size_t(y) * width + x) * 3]; }
  const uint8_t* at(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
  void put(int x, int y, uint32_t colour);  // 0xRRGGBB; outside the picture: nothing
};

// What the overlays need to know of a map besides its picture.
struct MapCharacter {
  int slot = 0;
  std::string name;                  // code page 949
  int left = 0, width = 0, top = 0;  // in the picture: left edge, width, top row of the frame
  int eventNumber = 0;
  int mode = 0;
};
struct EdgeEvent {
  bool defined = false;  // the event does something
  std::string warpMap;   // code page 949; empty when it does not warp
  int warpX = 0;
};

struct MapDrawing {
  RgbPicture picture;   // 1280 x 177: the map area of the view
  std::string caption;  // code page 949
  std::vector<MapCharacter> characters;
  EdgeEvent left, right;  // events 97 and 98
};

struct DrawOptions {
  std::optional<float> heroX;  // draw the hero standing there
  bool caption = true;
};

// Starts the engine in the current folder (the data folder) on the headless backend;
// false, with the reason, when its palette or fonts cannot be read.
bool startEngine(std::string& error);
// Draws map cp949Name (map/NAME.if) of the current folder. False with the reason when
// the map does not load; the engine's own message for it has gone to stderr.
bool drawMap(const std::string& cp949Name, const DrawOptions& options, MapDrawing& out,
             std::string& error);
// Stamps a line of code page 949 text in the game's fonts; the width it takes.
int stampText(RgbPicture& picture, int x, int y, const std::string& cp949, uint32_t colour);
int textWidth(const std::string& cp949);

}  // namespace mapview
