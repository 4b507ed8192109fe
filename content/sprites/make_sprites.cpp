// make_sprites.cpp -- draws every sprite pack of the demo game and writes each as a sheet
// that png2pack reads (NAME.png), with a contact sheet of all of them for review.
//
//   make_sprites [--only NAME,...] [--contact FILE] [--zoom N] [--font EngFont.fnt]
//                game.colours OUTDIR
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "art/contact_sheet.h"
#include "art/packs.h"
#include "common/cli.h"
#include "common/colour_list.h"
#include "common/pack_sheet.h"

namespace {

constexpr const char* kTool = "make_sprites";

// The snow's entries change every frame and the text's belong to the balloons; a sprite
// in them would flicker or change with the text colours. Only the cursor, which sits with
// the text, may use the text's white and ink.
std::string colourProblem(const std::string& pack, const art::Frames& frames) {
  for (size_t i = 0; i < frames.size(); ++i)
    for (uint8_t c : frames[i].pixels()) {
      const bool snow = c >= 16 && c <= 18;
      const bool text = c >= 192 && c <= 207;
      const bool cursorText = pack == "cursor" && (c == 192 || c == 200);
      if (snow || (text && !cursorText))
        return pack + " frame " + std::to_string(i) + " uses entry " + std::to_string(c);
    }
  return "";
}

std::vector<tools::PackFrame> packFrames(const art::Frames& frames) {
  std::vector<tools::PackFrame> out;
  for (const art::Canvas& c : frames) out.push_back({c.width(), c.height(), c.pixels()});
  return out;
}

std::set<std::string> splitNames(const std::string& list) {
  std::set<std::string> names;
  std::stringstream in(list);
  for (std::string name; std::getline(in, name, ',');)
    if (!name.empty()) names.insert(name);
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  tools::ParsedArgs args;
  std::string error;
  if (!tools::parseArgs(argc, argv, {"--only", "--contact", "--font", "--zoom"}, {}, args, error))
    return tools::usageError(kTool, error);
  if (args.help || args.positional.size() != 2) {
    std::printf(
        "Usage: make_sprites [--only NAME,...] [--contact FILE] [--zoom N]\n"
        "                    [--font EngFont.fnt] game.colours OUTDIR\n"
        "Draws the demo game's sprite packs and writes OUTDIR/NAME.png for each (the sheets\n"
        "png2pack reads) and a contact sheet of them all, OUTDIR/contact_sheet.png unless\n"
        "--contact names another file; --zoom sets its scale (2). --only draws the named\n"
        "packs only.\n");
    return args.help ? tools::kExitDone : tools::kExitBadInput;
  }
  std::string text, font;
  tools::ColourList colours;
  if (!tools::readWholeFile(args.positional[0], text, error) ||
      !tools::parseColourList(text, args.positional[0], colours, error))
    return tools::fail(kTool, error);
  if (args.has("--font") && !tools::readWholeFile(args.value("--font"), font, error))
    return tools::fail(kTool, error);
  const std::string outDir = args.positional[1];
  const std::set<std::string> only = splitNames(args.value("--only"));

  std::vector<art::SheetRow> rows;
  for (const art::PackArt& pack : art::allPacks()) {
    if (!only.empty() && !only.count(pack.name)) continue;
    art::Frames frames = pack.make();
    if (const std::string problem = colourProblem(pack.name, frames); !problem.empty())
      return tools::fail(kTool, problem);
    std::string note;
    if (!tools::writePackSheet(outDir + "/" + pack.name + ".png", packFrames(frames),
                               colours.colours, tools::kDefaultGuide, note, error))
      return tools::fail(kTool, error, tools::kExitWriteFailed);
    if (!note.empty()) tools::warn(kTool, pack.name + ": " + note);
    rows.push_back({pack.name, std::move(frames)});
  }
  const std::string contact = args.value("--contact", outDir + "/contact_sheet.png");
  int zoom = 2;
  if (args.has("--zoom") && !tools::parseInt(args.value("--zoom"), 1, 16, zoom))
    return tools::usageError(kTool, "--zoom takes 1 to 16");
  if (!art::writeContactSheet(contact, rows, colours.colours, font, zoom, error))
    return tools::fail(kTool, error, tools::kExitWriteFailed);
  return tools::kExitDone;
}
