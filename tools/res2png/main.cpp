// main.cpp -- res2png: one of the game's raw pictures as an indexed PNG with its palette
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "common/cli.h"
#include "common/palette_file.h"
#include "common/raw_picture.h"

namespace {

constexpr const char* kTool = "res2png";

constexpr const char* kUsage =
    "Usage: res2png --palette PALETTE.pal [--kind KIND | --size WxH] [--transparent]\n"
    "               PICTURE.res OUTPUT.png\n"
    "\n"
    "Writes one of the game's raw pictures (one palette index a pixel, the top row first,\n"
    "no header) as a palettized PNG that carries the palette's colours, index for index;\n"
    "entry 255 is written black, as the game shows it. png2res turns the PNG back into the\n"
    "same bytes. The kinds, told from the file's length when --kind is not given:\n"
    "  far        800 x 240    192,000 bytes\n"
    "  map        1280 x 177   226,560 bytes; index 255 is written transparent\n"
    "  cutscene   640 x 480    307,200 bytes (give the picture's own palette)\n"
    "  bar        320 wide     rows of 320 bytes, as many as the file holds (name this kind:\n"
    "                          the length alone does not tell it; bytes after the last whole\n"
    "                          row are left out)\n"
    "\n"
    "Options:\n"
    "  --palette FILE   the palette file (66,304 or 768 bytes) (required)\n"
    "  --kind KIND      far, map, cutscene or bar; the file must have that length\n"
    "  --size WxH       any other size; the file must hold exactly W x H bytes\n"
    "  --transparent    write index 255 transparent in any kind\n"
    "  --help           this text\n"
    "\n"
    "Exit status: 0 done, 1 the output could not be written, 2 bad options or input.\n";

struct Shape {
  tools::PictureKind kind{};
  int height = 0;
};

std::string bytes(size_t n) { return std::to_string(n) + " bytes"; }

// The kind and rows of a raw file of the given length; 0 or the exit status.
int shapeOf(const tools::ParsedArgs& args, const std::string& path, size_t length, Shape& shape) {
  std::optional<tools::PictureKind> chosen;
  std::string error;
  if (!tools::chosenPictureKind(args.value("--kind"), args.value("--size"), chosen, error))
    return tools::usageError(kTool, error);
  if (!chosen) {
    const tools::PictureKind* found = tools::kindOfRawFile(length);
    if (!found)
      return tools::fail(kTool, path + " is " + bytes(length) +
                                    ", the length of no fixed picture kind; name the kind with "
                                    "--kind (bar for a status bar) or give --size");
    chosen = *found;
  }
  shape.kind = *chosen;
  const size_t rowBytes = size_t(chosen->width);
  if (chosen->height != 0) {
    const size_t expected = rowBytes * size_t(chosen->height);
    if (length != expected)
      return tools::fail(kTool, path + " is " + bytes(length) + "; a " + chosen->what + " of " +
                                    std::to_string(chosen->width) + " x " +
                                    std::to_string(chosen->height) + " is " + bytes(expected));
    shape.height = chosen->height;
    return 0;
  }
  shape.height = int(length / rowBytes);
  if (shape.height == 0)
    return tools::fail(kTool,
                       path + " is " + bytes(length) + ", less than one row of " + bytes(rowBytes));
  if (length % rowBytes != 0)
    tools::warn(kTool, "the last " + bytes(length % rowBytes) + " of " + path +
                           " are not a whole row and are left out");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  tools::ParsedArgs args;
  std::string error;
  if (!tools::parseArgs(argc, argv, {"--palette", "--kind", "--size"}, {"--transparent"}, args,
                        error))
    return tools::usageError(kTool, error);
  if (args.help) {
    std::fputs(kUsage, stdout);
    return tools::kExitDone;
  }
  if (args.positional.size() != 2)
    return tools::usageError(kTool, "give a raw picture and an output file");
  if (!args.has("--palette")) return tools::usageError(kTool, "--palette is required");
  tools::PaletteFile palette;
  if (!tools::readPaletteFile(args.value("--palette"), palette, error))
    return tools::fail(kTool, error);
  const std::string& path = args.positional[0];
  std::string raw;
  if (!tools::readWholeFile(path, raw, error)) return tools::fail(kTool, error);
  Shape shape;
  if (const int status = shapeOf(args, path, raw.size(), shape)) return status;
  const std::vector<uint8_t> indices(raw.begin(),
                                     raw.begin() + long(shape.kind.width) * shape.height);
  const bool transparent = shape.kind.transparent || args.has("--transparent");
  if (!tools::writePicturePng(args.positional[1], shape.kind.width, shape.height, indices,
                              palette.colours, transparent, error))
    return tools::fail(kTool, error, tools::kExitWriteFailed);
  std::printf("res2png: wrote %s, a %s of %d x %d%s\n", args.positional[1].c_str(), shape.kind.what,
              shape.kind.width, shape.height, transparent ? " with index 255 transparent" : "");
  return tools::kExitDone;
}
