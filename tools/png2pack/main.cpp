// main.cpp -- png2pack: a sprite pack (".idx" and ".res") from a PNG sheet of frame boxes
#include <cstdio>
#include <string>

#include "common/cli.h"
#include "common/pack_sheet.h"
#include "common/palette_file.h"
#include "common/png_image.h"
#include "common/sheet_help.h"
#include "common/sprite_pack_file.h"

namespace {

constexpr const char* kTool = "png2pack";

constexpr const char* kUsage =
    "Usage: png2pack --palette PALETTE.pal [--guide #rrggbb] SHEET.png PACK\n"
    "\n"
    "Writes the sprite pack PACK.idx and PACK.res (PACK may be given with either ending)\n"
    "from a sheet: PACK.idx is a text of the frame count, then each frame's width and\n"
    "height, a line each with CR LF ends; PACK.res holds the frames' palette indices back to\n"
    "back, each frame's top row first.\n"
    "\n"
    "Options:\n"
    "  --palette FILE   the palette file whose indices the frames are to use (required)\n"
    "  --guide COLOUR   the colour of the frame boxes, #rrggbb (default #ff00ff)\n"
    "  --help           this text\n"
    "\n";

constexpr const char* kExitHelp =
    "\nExit status: 0 done, 1 the output could not be written, 2 bad options or input.\n";

}  // namespace

int main(int argc, char** argv) {
  tools::ParsedArgs args;
  std::string error;
  if (!tools::parseArgs(argc, argv, {"--palette", "--guide"}, {}, args, error))
    return tools::usageError(kTool, error);
  if (args.help) {
    std::printf("%s%s%s", kUsage, tools::kSheetHelp, kExitHelp);
    return tools::kExitDone;
  }
  if (args.positional.size() != 2) return tools::usageError(kTool, "give a sheet and a pack name");
  if (!args.has("--palette")) return tools::usageError(kTool, "--palette is required");
  tools::Rgb guide = tools::kDefaultGuide;
  if (args.has("--guide") && !tools::parseHexColour(args.value("--guide"), guide))
    return tools::usageError(kTool, "--guide takes a colour as #rrggbb");
  tools::PaletteFile palette;
  if (!tools::readPaletteFile(args.value("--palette"), palette, error))
    return tools::fail(kTool, error);
  const std::string& sheetPath = args.positional[0];
  common::RgbaImage sheet;
  if (!common::readPng(sheetPath, sheet, error)) return tools::fail(kTool, error);
  std::vector<tools::PackFrame> frames;
  tools::MappingCounts counts;
  if (!tools::framesFromSheet(sheet, palette.colours, guide, frames, counts, error))
    return tools::fail(kTool, sheetPath + ": " + error);
  const std::string stem = tools::packStem(args.positional[1]);
  if (!tools::writeSpritePack(stem, frames, error))
    return tools::fail(kTool, error, tools::kExitWriteFailed);
  std::printf("png2pack: wrote %s.idx and %s.res: %zu frames, %zu pixels\n", stem.c_str(),
              stem.c_str(), frames.size(), counts.pixels);
  std::printf("png2pack: %zu of %zu pixels were not in the palette and took the nearest entry\n",
              counts.nearest, counts.pixels);
  return tools::kExitDone;
}
