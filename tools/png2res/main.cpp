// main.cpp -- png2res: a PNG made into one of the game's raw pictures through a palette
#include <cstdio>
#include <optional>
#include <string>

#include "common/cli.h"
#include "common/palette_file.h"
#include "common/pixel_mapping.h"
#include "common/png_image.h"
#include "common/raw_picture.h"

namespace {

constexpr const char* kTool = "png2res";

constexpr const char* kUsage =
    "Usage: png2res --palette PALETTE.pal [--kind KIND | --size WxH] PICTURE.png OUTPUT.res\n"
    "\n"
    "Writes a PNG as one of the game's raw pictures: one palette index a pixel, the top row\n"
    "first, no header. The kinds, told from the PNG's size when --kind is not given:\n"
    "  far        800 x 240    the far background layer (grim\\bg.res)\n"
    "  map        1280 x 177   a map picture (map\\NAME.res); index 255 is transparent\n"
    "  cutscene   640 x 480    a cut-scene picture (grim\\NAME.res, drawn with its own\n"
    "                          palette: give that one)\n"
    "  bar        320 wide     the status bar (grim\\bar.res), any number of rows; the game\n"
    "                          shows the first 63\n"
    "\n"
    "Options:\n"
    "  --palette FILE   the palette file whose indices the picture is to use (required)\n"
    "  --kind KIND      far, map, cutscene or bar; the PNG must have that size\n"
    "  --size WxH       any other size; the PNG must have it\n"
    "  --help           this text\n"
    "\n"
    "Each pixel becomes:\n"
    "  index 255 when its alpha is below 128 (transparent in map pictures; the other kinds\n"
    "    have no transparency and show index 255 black);\n"
    "  in a palettized PNG, its own index k when the PNG's colour k is the palette's colour\n"
    "    k (entry 255 counting as black, as the game shows it), so what res2png writes comes\n"
    "    back exactly;\n"
    "  otherwise the lowest entry of its exact colour, or else the nearest entry 0..254 by\n"
    "    the redmean distance (see mkpal --help). The tool says how many pixels took the\n"
    "    nearest colour.\n"
    "\n"
    "Exit status: 0 done, 1 the output could not be written, 2 bad options or input.\n";

struct Picture {
  common::RgbaImage image;
  tools::PictureKind kind{};
};

// The PNG and the kind it is taken as; 0, or the exit status.
int readPicture(const tools::ParsedArgs& args, Picture& picture) {
  std::optional<tools::PictureKind> chosen;
  std::string error;
  if (!tools::chosenPictureKind(args.value("--kind"), args.value("--size"), chosen, error))
    return tools::usageError(kTool, error);
  const std::string& path = args.positional[0];
  if (!common::readPng(path, picture.image, error)) return tools::fail(kTool, error);
  const int w = picture.image.width, h = picture.image.height;
  if (!chosen) {
    const tools::PictureKind* found = tools::kindOfPicture(w, h);
    if (!found)
      return tools::fail(kTool, path + " is " + std::to_string(w) + " x " + std::to_string(h) +
                                    ", the size of no picture kind; name one with --kind or "
                                    "give --size");
    chosen = *found;
  }
  const std::string problem = tools::pictureSizeProblem(*chosen, w, h);
  if (!problem.empty()) return tools::fail(kTool, path + " " + problem);
  picture.kind = *chosen;
  return 0;
}

void report(const std::string& output, const Picture& picture, const tools::MappingCounts& counts) {
  const common::RgbaImage& image = picture.image;
  std::printf("png2res: wrote %s, a %s of %d x %d (%zu bytes)\n", output.c_str(), picture.kind.what,
              image.width, image.height, counts.pixels);
  std::printf("png2res: %zu of %zu pixels were not in the palette and took the nearest entry\n",
              counts.nearest, counts.pixels);
  if (counts.transparent > 0)
    std::printf("png2res: %zu transparent pixels became index 255%s\n", counts.transparent,
                picture.kind.transparent ? "" : ", which this kind shows black");
  if (std::string(picture.kind.name) == "bar" && image.height != 63)
    tools::warn(kTool, "the game shows the first 63 rows of the status bar; this one has " +
                           std::to_string(image.height));
}

}  // namespace

int main(int argc, char** argv) {
  tools::ParsedArgs args;
  std::string error;
  if (!tools::parseArgs(argc, argv, {"--palette", "--kind", "--size"}, {}, args, error))
    return tools::usageError(kTool, error);
  if (args.help) {
    std::fputs(kUsage, stdout);
    return tools::kExitDone;
  }
  if (args.positional.size() != 2) return tools::usageError(kTool, "give a PNG and an output file");
  if (!args.has("--palette")) return tools::usageError(kTool, "--palette is required");
  tools::PaletteFile palette;
  if (!tools::readPaletteFile(args.value("--palette"), palette, error))
    return tools::fail(kTool, error);
  Picture picture;
  if (const int status = readPicture(args, picture)) return status;
  tools::PixelMapper mapper(palette.colours, picture.image);
  const std::vector<uint8_t> indices =
      tools::mapPixels(mapper, 0, 0, picture.image.width, picture.image.height);
  if (!tools::writeWholeFile(args.positional[1], indices.data(), indices.size(), error))
    return tools::fail(kTool, error, tools::kExitWriteFailed);
  report(args.positional[1], picture, mapper.counts());
  return tools::kExitDone;
}
