// main.cpp -- mkpal: a palette file of the game's layout from a colour list or a PNG
#include <cstdio>
#include <string>

#include "common/cli.h"
#include "common/colour_list.h"
#include "common/mix_table.h"
#include "common/palette_file.h"
#include "mkpal/palette_input.h"

namespace {

constexpr const char* kTool = "mkpal";

constexpr const char* kUsage =
    "Usage: mkpal [options] INPUT OUTPUT.pal\n"
    "       mkpal --list PALETTE.pal\n"
    "\n"
    "Writes a palette file in the game's layout: 256 entries of red, green and blue\n"
    "(768 bytes), then the 256 x 256 mixing table that blended text is drawn through\n"
    "(66,304 bytes in all).\n"
    "\n"
    "INPUT is one of:\n"
    "  a PNG file   a palettized PNG gives its own palette (entries past its last are\n"
    "               black); any other PNG must be a swatch: square, a side divisible by\n"
    "               16, 16 x 16 cells of one colour each, entry i the cell in row i / 16,\n"
    "               column i % 16\n"
    "  NAME.pal     a palette file (768 or 66,304 bytes): its colours, with a new table\n"
    "  other files  a colour list, a text with one entry a line:\n"
    "                 # comment      a '#' starts a comment, unless it begins a word of\n"
    "                                hex digits only: that is a colour, #rrggbb\n"
    "                 #ff8000        the next entry (the first is 0, then one past the\n"
    "                                last entry given)\n"
    "                 255 128 0      the next entry, as decimal red green blue\n"
    "                 12 #ff8000     entry 12 (the entries after it follow from 13)\n"
    "                 12 255 128 0   the same\n"
    "                 ramp 192 207 #000000 #ffffff\n"
    "                                entries 192 to 207 evenly from the first colour to\n"
    "                                the second (colours as #rrggbb or R G B)\n"
    "               An entry may be given once; entries not given are black.\n"
    "\n"
    "Options:\n"
    "  --colours-only   write only the 768 bytes of colours (cut-scene palettes are read\n"
    "                   for their first 768 bytes only)\n"
    "  --mix-weight N   how much of the text's colour goes into a blended pixel, in\n"
    "                   percent, 0 to 100 (default 50: the plain mean)\n"
    "  --swatch         read a palettized PNG as a swatch instead of taking its palette\n"
    "  --list           print a palette file's colours as a colour list\n"
    "  --help           this text\n"
    "\n"
    "The mixing table: byte 768 + 256 a + b is what a text pixel of level b makes of a page\n"
    "pixel of index a: the entry nearest to the mean of the colours of a and b (weighted by\n"
    "--mix-weight), so blended text is half transparent over any background. Nearest means\n"
    "the smallest (512 + R) dr^2 + 1024 dg^2 + (767 - R) db^2, with dr, dg, db the channel\n"
    "differences and R the mean red of the two colours (the 'redmean' distance); ties go to\n"
    "the lower index. Entry 255 is the transparent index of sprites and map pictures and the\n"
    "game never shows its colour, which stays black: it counts as black in the means, and\n"
    "the table holds 255 only where the mean is exactly black and no entry 0..254 is black.\n"
    "\n"
    "Exit status: 0 done, 1 the output could not be written, 2 bad options or input.\n";

int listPalette(const tools::ParsedArgs& args) {
  if (args.positional.size() != 1) return tools::usageError(kTool, "--list takes one palette file");
  tools::PaletteFile file;
  std::string error;
  if (!tools::readPaletteFile(args.positional[0], file, error)) return tools::fail(kTool, error);
  std::fputs(tools::formatColourList(file.colours).c_str(), stdout);
  return tools::kExitDone;
}

int makePalette(const tools::ParsedArgs& args) {
  if (args.positional.size() != 2)
    return tools::usageError(kTool, "give an input and an output file");
  int weight = 50;
  if (args.has("--mix-weight") && !tools::parseInt(args.value("--mix-weight"), 0, 100, weight))
    return tools::usageError(kTool, "--mix-weight takes a percentage from 0 to 100");
  const std::string& input = args.positional[0];
  const std::string& output = args.positional[1];
  mkpal::PaletteInput colours;
  std::string error;
  if (!mkpal::readPaletteInput(input, args.has("--swatch"), colours, error))
    return tools::fail(kTool, error);
  const tools::Rgb last = colours.colours[tools::kTransparentIndex];
  if (colours.entry255Given && !(last == tools::Rgb{}))
    tools::warn(kTool, "entry 255 is " + tools::hexColour(last) +
                           "; the game always shows entry 255 as black (it is the transparent "
                           "index)");
  tools::PaletteFile file;
  file.colours = colours.colours;
  if (!args.has("--colours-only")) file.mixTable = tools::buildMixTable(file.colours, weight);
  if (!tools::writePaletteFile(output, file, error))
    return tools::fail(kTool, error, tools::kExitWriteFailed);
  std::printf("mkpal: wrote %s (%zu bytes): %d entries from %s", output.c_str(),
              file.mixTable.size() + tools::kPaletteColourBytes, colours.given, input.c_str());
  if (colours.given < 256) std::printf(", %d not given (black)", 256 - colours.given);
  std::printf("\n");
  return tools::kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
  tools::ParsedArgs args;
  std::string error;
  if (!tools::parseArgs(argc, argv, {"--mix-weight"}, {"--colours-only", "--swatch", "--list"},
                        args, error))
    return tools::usageError(kTool, error);
  if (args.help) {
    std::fputs(kUsage, stdout);
    return tools::kExitDone;
  }
  return args.has("--list") ? listPalette(args) : makePalette(args);
}
