// main.cpp -- mapview: a map drawn to a PNG as the game shows it, the whole width at once
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/cli.h"
#include "common/png_image.h"
#include "mapview/map_picture.h"
#include "mapview/overlays.h"
#include "platform/encoding.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kTool = "mapview";

constexpr const char* kUsage =
    "Usage: mapview [--data DIR] [options] NAME -o FILE.png\n"
    "       mapview [--data DIR] [options] --sheet FILE.png\n"
    "\n"
    "Draws map NAME of the data folder (map/NAME.if and the picture it names) to a PNG,\n"
    "1280 pixels wide, with the game's own drawing code: the far layer, the map picture,\n"
    "the snow pile, each character at its x as the map's first frame shows it (speech\n"
    "lines left out; no event runs), and the caption at the top left in its steady look.\n"
    "Each 320-column quarter is the view with the camera at 0, 320, 640 and 960, so the\n"
    "far layer, which moves at half the camera's speed, jumps at those columns. The game's\n"
    "screen shows the 320 columns from the camera on, twice as large: a --shot at camera C\n"
    "shows columns C to C + 319 of this picture in its top 354 rows.\n"
    "\n"
    "Below the 177 rows of the map a band names each character under a tick from its\n"
    "feet: its slot (the number the event commands use; the icon balloon adds 1), its name\n"
    "and its event, (N) for talk, [N] for a touch trigger; grey for a character that can\n"
    "be neither talked to nor touched. An orange stripe on the left or right edge marks an\n"
    "edge event (97 left, 98 right), with its warp's map and x when it has one.\n"
    "\n"
    "Options:\n"
    "  --data DIR      the game's data folder (default: the current folder)\n"
    "  -o FILE         the PNG to write\n"
    "  --plain         only what the game draws: no band, ticks or edge stripes\n"
    "  --hero X        draw the hero too, standing at x X as after --hero-x X\n"
    "  --no-caption    leave the caption out\n"
    "  --scale N       every pixel N x N (1 to 4; default 1); 2 is the game's own size\n"
    "  --sheet FILE    write one PNG with every map of the data folder (map/*.if), in the\n"
    "                  order of their names, each under a line with its name and caption\n"
    "  --help          this text\n"
    "\n"
    "Exit status: 0 done, 1 the PNG could not be written, 2 bad options, or a map or the\n"
    "data folder that cannot be read (the game's own message goes to stderr as well).\n";

// The maps of the data folder: the names of map/*.if, shorter names first (20 before 100).
std::vector<std::string> mapNames() {
  std::vector<std::string> names;
  std::error_code failed;
  for (const auto& entry : fs::directory_iterator("map", failed))
    if (entry.path().extension() == ".if") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
  return names;
}

bool writePicture(const std::string& path, const mapview::RgbPicture& picture, int scale) {
  const mapview::RgbPicture out = mapview::enlarged(picture, scale);
  std::string error;
  if (!common::writeRgbPng(path, out.width, out.height, out.rgb, error)) {
    tools::fail(kTool, "cannot write " + path + ": " + error, tools::kExitWriteFailed);
    return false;
  }
  std::printf("mapview: wrote %s (%d x %d)\n", path.c_str(), out.width, out.height);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  tools::ParsedArgs args;
  std::string error;
  if (!tools::parseArgs(argc, argv, {"--data", "-o", "--hero", "--scale", "--sheet"},
                        {"--plain", "--no-caption"}, args, error))
    return tools::usageError(kTool, error);
  if (args.help) {
    std::fputs(kUsage, stdout);
    return tools::kExitDone;
  }
  const bool sheet = args.has("--sheet");
  if (sheet ? !args.positional.empty() || args.has("-o") : args.positional.size() != 1)
    return tools::usageError(kTool, "give a map name and -o FILE.png, or --sheet FILE.png");
  if (!sheet && !args.has("-o")) return tools::usageError(kTool, "-o FILE.png is required");
  int scale = 1;
  if (args.has("--scale") && !tools::parseInt(args.value("--scale"), 1, 4, scale))
    return tools::usageError(kTool, "--scale takes a whole number from 1 to 4");
  mapview::DrawOptions options;
  options.caption = !args.has("--no-caption");
  if (args.has("--hero")) {
    const std::string text = args.value("--hero");
    char* end = nullptr;
    const float x = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(x > -10000.0f && x < 10000.0f))
      return tools::usageError(kTool, "--hero takes a map x such as 10 or 612.5");
    options.heroX = x;
  }
  // The output is the caller's path, wherever the data folder lies.
  const std::string output =
      fs::absolute(sheet ? args.value("--sheet") : args.value("-o")).string();
  const std::string dataDir = args.value("--data", ".");
  if (chdir(dataDir.c_str()) != 0) return tools::fail(kTool, "no data folder " + dataDir);
  if (!mapview::startEngine(error)) return tools::fail(kTool, dataDir + ": " + error);

  if (!sheet) {
    const std::string name = platform::utf8ToCp949(args.positional[0]);
    if (!fs::exists("map/" + name + ".if"))
      return tools::fail(kTool, "no map " + args.positional[0] + " (map/" + args.positional[0] +
                                    ".if not found in " + dataDir + ")");
    mapview::MapDrawing map;
    if (!mapview::drawMap(name, options, map, error))
      return tools::fail(kTool, args.positional[0] + ": " + error);
    const mapview::RgbPicture picture = args.has("--plain") ? map.picture : mapview::annotated(map);
    return writePicture(output, picture, scale) ? tools::kExitDone : tools::kExitWriteFailed;
  }

  std::vector<mapview::RgbPicture> parts;
  for (const std::string& name : mapNames()) {
    mapview::MapDrawing map;
    if (!mapview::drawMap(name, options, map, error))
      return tools::fail(kTool, platform::cp949ToUtf8(name) + ": " + error);
    parts.push_back(args.has("--plain") ? map.picture : mapview::titled(name, map));
  }
  if (parts.empty()) return tools::fail(kTool, "no maps (map/*.if) in " + dataDir);
  return writePicture(output, mapview::stacked(parts), scale) ? tools::kExitDone
                                                              : tools::kExitWriteFailed;
}
