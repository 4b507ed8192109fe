// main.cpp -- maplint: checks map files as the game reads them and names every problem
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "common/cli.h"
#include "common/cp949_text.h"
#include "maplint/findings.h"
#include "maplint/map_lint.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kTool = "maplint";

constexpr const char* kUsage =
    "Usage: maplint [options] MAP...\n"
    "\n"
    "Checks map files (map/NAME.if) the way the game reads them and reports every\n"
    "problem as FILE:LINE: error: ... or FILE:LINE: warning: ..., one a line on stdout.\n"
    "\n"
    "Options:\n"
    "  --utf8       the maps are UTF-8 text (the sources under content/maps) with LF or\n"
    "               CR LF line ends, checked as txt2cp949 would convert them; without it\n"
    "               they are code page 949 with CR LF, as the game reads them\n"
    "  --data DIR   the game's data folder, to check that the files a map names are there\n"
    "               (default: the map's folder's parent when that folder is named map)\n"
    "  --no-data    do not check the data folder's files\n"
    "  --help       this text\n"
    "\n"
    "Errors: unknown command or behaviour keywords; an event without its closing label or\n"
    "a text block without its '}' line before the end of the file; bad or missing numbers;\n"
    "events outside 0..100; actor slots the map lacks (0 to count - 1; '풍선찍기' counts\n"
    "from 1, 0 being the hero); flags outside 0..99; jumps ('만약 플러그 F V E') to events\n"
    "the map does not define; '만약' without '플러그'; icon kinds outside 0..7; words and\n"
    "lines longer than their cells (names 19 bytes, labels 7, caption, speech and text\n"
    "lines and other words 254, in code page 949); more than 50 actors, 29 behaviour\n"
    "entries, 199 commands in an event or 501 text lines in the map; lines read whole\n"
    "(background name, caption, speech, text blocks) that do not end in CR LF; and, with\n"
    "a data folder, missing files: sprite packs (grim/P.idx, grim/P.res), the map picture\n"
    "(map/B.res), cut-scene scripts (visual/V.if) with their picture and palette\n"
    "(grim/W.res, grim/W.pal, W the script's first word) and warp targets (map/M.if).\n"
    "\n"
    "Warnings: text lines wider than the balloon (305 px: 38 one-byte or 19 two-byte\n"
    "characters), text blocks of more than 4 body lines, body lines that start with '}',\n"
    "events defined twice or numbered 0, actors whose event the map does not define or\n"
    "whose facing is not 0 or 1, walks that never end, and text after the last event.\n"
    "\n"
    "Exit status: 0 no errors (warnings allowed), 1 errors found, 2 bad usage or a file\n"
    "that cannot be read.\n";

// The data folder that a map's own path implies: the parent of a folder named map.
std::string impliedDataDir(const std::string& mapPath) {
  std::error_code ec;
  const fs::path folder = fs::absolute(mapPath, ec).parent_path();
  if (ec || folder.filename() != "map") return "";
  return folder.parent_path().string();
}

// The map text as the game would read it, with problems of the encoding reported.
bool gameText(const std::string& bytes, bool utf8, std::string& cp949,
              maplint::Findings& findings) {
  if (utf8) {
    std::vector<tools::TextFault> faults;
    tools::utf8ToCp949Lines(bytes, cp949, faults);
    for (const tools::TextFault& f : faults) findings.error(f.line, f.what);
    return true;
  }
  cp949 = bytes;
  const std::vector<int> bad = tools::invalidCp949Lines(bytes);
  if (!bad.empty() && tools::looksLikeUtf8(bytes)) {
    findings.error(bad[0], "the file is UTF-8, not code page 949 (give --utf8 for UTF-8 maps)");
    return false;
  }
  for (int line : bad) findings.error(line, "bytes that are not code page 949 text");
  return true;
}

struct Totals {
  int errors = 0;
  int warnings = 0;
  bool unreadable = false;
};

void checkMap(const std::string& path, const tools::ParsedArgs& args, Totals& totals) {
  std::string bytes, error;
  if (!tools::readWholeFile(path, bytes, error)) {
    tools::fail(kTool, error);
    totals.unreadable = true;
    return;
  }
  maplint::Findings findings;
  maplint::MapFacts facts;
  std::string cp949;
  if (gameText(bytes, args.has("--utf8"), cp949, findings)) {
    maplint::lintMapText(cp949, findings, facts);
    const std::string dataDir = args.has("--no-data") ? ""
                                : args.has("--data")  ? args.value("--data")
                                                      : impliedDataDir(path);
    if (!dataDir.empty()) maplint::checkDataFiles(facts, dataDir, findings);
  }
  findings.print(path, stdout);
  totals.errors += findings.errors();
  totals.warnings += findings.warnings();
}

}  // namespace

int main(int argc, char** argv) {
  tools::ParsedArgs args;
  std::string error;
  if (!tools::parseArgs(argc, argv, {"--data"}, {"--utf8", "--no-data"}, args, error))
    return tools::usageError(kTool, error);
  if (args.help) {
    std::fputs(kUsage, stdout);
    return tools::kExitDone;
  }
  if (args.positional.empty()) return tools::usageError(kTool, "give one or more map files");
  if (args.has("--data") && args.has("--no-data"))
    return tools::usageError(kTool, "--data and --no-data exclude each other");
  if (args.has("--data") && !fs::is_directory(args.value("--data")))
    return tools::usageError(kTool, "no data folder " + args.value("--data"));
  Totals totals;
  for (const std::string& path : args.positional) checkMap(path, args, totals);
  std::fflush(stdout);
  if (totals.errors + totals.warnings > 0)
    std::fprintf(stderr, "maplint: %d error%s, %d warning%s\n", totals.errors,
                 totals.errors == 1 ? "" : "s", totals.warnings, totals.warnings == 1 ? "" : "s");
  if (totals.unreadable) return tools::kExitBadInput;
  return totals.errors > 0 ? 1 : tools::kExitDone;
}
