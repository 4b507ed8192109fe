// main.cpp -- pack2png: a sprite pack drawn as a PNG sheet of frame boxes
#include <cstdio>
#include <string>

#include "common/cli.h"
#include "common/pack_sheet.h"
#include "common/palette_file.h"
#include "common/sheet_help.h"
#include "common/sprite_pack_file.h"

namespace {

constexpr const char* kTool = "pack2png";

constexpr const char* kUsage =
    "Usage: pack2png --palette PALETTE.pal [--guide #rrggbb] PACK SHEET.png\n"
    "\n"
    "Draws the sprite pack PACK.idx and PACK.res (PACK may be given with either ending) as\n"
    "a PNG sheet that png2pack reads back. PACK.idx must be whole: the count (0 to 50), then\n"
    "a width and a height for every frame; PACK.res must hold every frame.\n"
    "\n"
    "Options:\n"
    "  --palette FILE   the palette file the frames' indices belong to (required)\n"
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
  if (args.positional.size() != 2) return tools::usageError(kTool, "give a pack and a sheet");
  if (!args.has("--palette")) return tools::usageError(kTool, "--palette is required");
  tools::Rgb guide = tools::kDefaultGuide;
  if (args.has("--guide") && !tools::parseHexColour(args.value("--guide"), guide))
    return tools::usageError(kTool, "--guide takes a colour as #rrggbb");
  tools::PaletteFile palette;
  if (!tools::readPaletteFile(args.value("--palette"), palette, error))
    return tools::fail(kTool, error);
  const std::string stem = tools::packStem(args.positional[0]);
  std::vector<tools::PackFrame> frames;
  std::string warning, note;
  if (!tools::readSpritePack(stem, frames, warning, error)) return tools::fail(kTool, error);
  if (!warning.empty()) tools::warn(kTool, warning);
  if (frames.empty())
    return tools::fail(kTool, stem + ".idx names no frames; there is nothing to draw");
  const std::string& sheetPath = args.positional[1];
  if (!tools::writePackSheet(sheetPath, frames, palette.colours, guide, note, error))
    return tools::fail(kTool, error, tools::kExitWriteFailed);
  if (!note.empty()) tools::warn(kTool, note);
  std::printf("pack2png: wrote %s: %zu frames\n", sheetPath.c_str(), frames.size());
  return tools::kExitDone;
}
