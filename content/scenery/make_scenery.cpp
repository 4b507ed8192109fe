// make_scenery.cpp -- draws the demo game's scenery and writes it as indexed PNGs
//
//   make_scenery --palette content/palette/game.colours --content content [--preview DIR]
//
// Writes maps/NAME.png, pictures/bg.png, pictures/bar.png, visual/op.png and visual/ed.png
// under the content folder; with --preview, also pictures of what a player sees.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "common/colour_list.h"
#include "common/png_image.h"
#include "common/raw_picture.h"
#include "pictures.h"
#include "preview.h"

namespace {

using scenery::Canvas;

struct Options {
  std::string palette, content, preview;
};

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i];
    if (key == "--palette")
      options.palette = argv[i + 1];
    else if (key == "--content")
      options.content = argv[i + 1];
    else if (key == "--preview")
      options.preview = argv[i + 1];
    else
      return false;
  }
  return argc % 2 == 1 && !options.palette.empty() && !options.content.empty();
}

bool readPalette(const std::string& path, tools::Palette& palette) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  tools::ColourList list;
  std::string error;
  if (!in || !tools::parseColourList(text.str(), path, list, error)) {
    std::fprintf(stderr, "make_scenery: %s\n", error.empty() ? path.c_str() : error.c_str());
    return false;
  }
  palette = list.colours;
  return true;
}

bool writeGamePicture(const std::string& path, const Canvas& canvas, const tools::Palette& palette,
                      bool transparent) {
  std::string error;
  if (tools::writePicturePng(path, canvas.width(), canvas.height(), canvas.pixels(), palette,
                             transparent, error))
    return true;
  std::fprintf(stderr, "make_scenery: %s\n", error.c_str());
  return false;
}

bool writeCutScene(const std::string& path, const scenery::CutScene& scene) {
  std::string error;
  if (common::writeIndexedPng(path, 640, 480, scene.indices, scene.palette, error)) return true;
  std::fprintf(stderr, "make_scenery: %s\n", error.c_str());
  return false;
}

}  // namespace

namespace scenery {

const std::vector<MapEntry>& mapEntries() {
  static const std::vector<MapEntry> maps = {{"20", drawMap20}, {"21", drawMap21},
                                             {"24", drawMap24}, {"35", drawMap35},
                                             {"37", drawMap37}, {"42", drawMap42}};
  return maps;
}

}  // namespace scenery

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "Usage: make_scenery --palette GAME.colours --content CONTENT_DIR "
                 "[--preview DIR]\n");
    return 2;
  }
  tools::Palette palette;
  if (!readPalette(options.palette, palette)) return 2;
  const std::string& dir = options.content;

  const Canvas far = scenery::drawFarLayer();
  const Canvas bar = scenery::drawStatusBar();
  bool ok = writeGamePicture(dir + "/pictures/bg.png", far, palette, false) &&
            writeGamePicture(dir + "/pictures/bar.png", bar, palette, false);
  for (const scenery::MapEntry& map : scenery::mapEntries()) {
    const Canvas picture = map.draw();
    ok = ok && writeGamePicture(dir + "/maps/" + map.name + ".png", picture, palette, true);
    if (ok && !options.preview.empty())
      ok = scenery::writeMapPreviews(options.preview, map, picture, far, bar, palette);
  }
  const scenery::CutScene opening = scenery::drawOpening();
  const scenery::CutScene ending = scenery::drawEnding();
  ok = ok && writeCutScene(dir + "/visual/op.png", opening) &&
       writeCutScene(dir + "/visual/ed.png", ending);
  return ok ? 0 : 1;
}
