// main.cpp -- maplint: checks map files as the game reads them and names every problem
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/cli.h"
#include "common/cp949_text.h"
#include "maplint/findings.h"
#include "maplint/map_lint.h"
#include "platform/encoding.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kTool = "maplint";

constexpr const char* kUsage =
    "Usage: maplint [options] MAP...\n"
    "\n"
    "Checks map files (map/NAME.if) the way the game reads them and reports every\n"
    "problem as FILE:LINE: error: ... or FILE:LINE: warning: ..., one a line on stdout.\n"
    "After a fault the checking goes on at the next line or event, so that one fault\n"
    "gives one error; a misspelt keyword names the keyword it is near (\"did you mean\").\n"
    "\n"
    "Options:\n"
    "  --utf8       the maps are UTF-8 text (the sources under content/maps) with LF or\n"
    "               CR LF line ends, checked as txt2cp949 would convert them; without it\n"
    "               they are code page 949 with CR LF, as the game reads them\n"
    "  --data DIR   the game's data folder, to check that the files a map names are there\n"
    "               (default: the map's folder's parent when that folder is named map)\n"
    "  --no-data    do not check the data folder's files, nor look at other maps\n"
    "  --format=F   text (the default) or json: one array of {file, line, severity,\n"
    "               message, suggestion}, suggestion null when no keyword is near\n"
    "  --werror     warnings count as errors for the exit status\n"
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
    "Among the game's maps (those of the data folder, or without one those beside the\n"
    "map, and the maps named together): flags read ('만약 플러그') that no map sets;\n"
    "warps to an x outside 0..1280 and, without a data folder, to maps that are not\n"
    "there; events that nothing starts (not 97, 98 or 99, carried by no actor that can\n"
    "be talked to or touched, and reached by no jump from an event that starts). With\n"
    "--no-data only the flags of the maps named count.\n"
    "\n"
    "Exit status: 0 no errors (warnings allowed, unless --werror), 1 errors found, 2 bad\n"
    "usage or a file that cannot be read.\n";

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

// One map given on the command line, as linted.
struct Linted {
  std::string path;
  maplint::Findings findings;
  maplint::MapFacts facts;
  std::string dataDir;  // empty without data folder checks
  bool read = false;
};

// The facts of a map file read quietly: the other maps of the game, for their flags.
bool factsOf(const std::string& path, bool utf8, maplint::MapFacts& facts) {
  std::string bytes, error, cp949;
  if (!tools::readWholeFile(path, bytes, error)) return false;
  maplint::Findings ignored;
  if (!gameText(bytes, utf8, cp949, ignored)) return false;
  maplint::lintMapText(cp949, ignored, facts);
  return true;
}

// The maps of one game: those of the data folder's map folder, or those beside a map
// when there is no data folder.
struct GameMaps {
  std::set<int> flagsSet;
  std::set<std::string> names;  // code page 949, as warps name them
};

const GameMaps& gameMaps(const fs::path& folder, const std::string& ext, bool utf8) {
  static std::map<std::string, GameMaps> known;
  const std::string key = folder.string() + "|" + ext;
  const auto found = known.find(key);
  if (found != known.end()) return found->second;
  GameMaps& maps = known[key];
  std::error_code ec;
  for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
    if (!e.is_regular_file(ec) || e.path().extension() != ext) continue;
    maplint::MapFacts facts;
    if (!factsOf(e.path().string(), utf8, facts)) continue;
    maps.flagsSet.insert(facts.flagsSet.begin(), facts.flagsSet.end());
    const std::string stem = e.path().stem().string();
    maps.names.insert(utf8 ? platform::utf8ToCp949(stem) : stem);
  }
  return maps;
}

void lintMap(const std::string& path, const tools::ParsedArgs& args, Linted& out) {
  out.path = path;
  std::string bytes, error;
  if (!tools::readWholeFile(path, bytes, error)) {
    tools::fail(kTool, error);
    return;
  }
  out.read = true;
  std::string cp949;
  if (!gameText(bytes, args.has("--utf8"), cp949, out.findings)) return;
  maplint::lintMapText(cp949, out.findings, out.facts);
  out.dataDir = args.has("--no-data") ? ""
                : args.has("--data")  ? args.value("--data")
                                      : impliedDataDir(path);
  if (!out.dataDir.empty()) maplint::checkDataFiles(out.facts, out.dataDir, out.findings);
}

// Flags are set in one map and read in another: a flag counts as set when any map of
// the game sets it, or any map checked together with this one. Warps are checked here
// against the maps beside this one when no data folder is checked (with one, a missing
// map file is an error of the data folder's check).
void lintAmongMaps(Linted& map, const std::vector<Linted>& all, const tools::ParsedArgs& args) {
  std::set<int> flagsSet;
  std::set<std::string> names;
  for (const Linted& other : all) {
    flagsSet.insert(other.facts.flagsSet.begin(), other.facts.flagsSet.end());
    const std::string stem = fs::path(other.path).stem().string();
    names.insert(args.has("--utf8") ? platform::utf8ToCp949(stem) : stem);
  }
  const bool beside = map.dataDir.empty() && !args.has("--no-data");
  if (!map.dataDir.empty() || beside) {
    const fs::path folder =
        beside ? fs::absolute(map.path).parent_path() : fs::path(map.dataDir) / "map";
    const GameMaps& game =
        gameMaps(folder, beside ? fs::path(map.path).extension().string() : ".if",
                 beside && args.has("--utf8"));
    flagsSet.insert(game.flagsSet.begin(), game.flagsSet.end());
    names.insert(game.names.begin(), game.names.end());
  }
  maplint::checkAmongMaps(map.facts, flagsSet, beside ? &names : nullptr, map.findings);
}

}  // namespace

int main(int argc, char** argv) {
  tools::ParsedArgs args;
  std::string error;
  if (!tools::parseArgs(argc, argv, {"--data", "--format"}, {"--utf8", "--no-data", "--werror"},
                        args, error))
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
  const std::string format = args.value("--format", "text");
  if (format != "text" && format != "json")
    return tools::usageError(kTool, "--format is text or json, not " + format);
  std::vector<Linted> maps(args.positional.size());
  for (size_t i = 0; i < maps.size(); ++i) lintMap(args.positional[i], args, maps[i]);
  int errors = 0, warnings = 0;
  bool unreadable = false;
  std::vector<std::pair<std::string, const maplint::Findings*>> shown;
  for (Linted& map : maps) {
    if (!map.read) {
      unreadable = true;
      continue;
    }
    lintAmongMaps(map, maps, args);
    errors += map.findings.errors();
    warnings += map.findings.warnings();
    if (format == "json")
      shown.emplace_back(map.path, &map.findings);
    else
      map.findings.print(map.path, stdout);
  }
  if (format == "json") maplint::printJson(shown, stdout);
  std::fflush(stdout);
  if (errors + warnings > 0)
    std::fprintf(stderr, "maplint: %d error%s, %d warning%s\n", errors, errors == 1 ? "" : "s",
                 warnings, warnings == 1 ? "" : "s");
  if (unreadable) return tools::kExitBadInput;
  return errors > 0 || (warnings > 0 && args.has("--werror")) ? 1 : tools::kExitDone;
}
