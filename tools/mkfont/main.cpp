// main.cpp -- mkfont: the game's bitmap fonts and syllable table from GNU Unifont
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "mkfont/fit_report.h"
#include "mkfont/font_files.h"
#include "mkfont/glyph_fit.h"
#include "mkfont/sample_sheet.h"
#include "mkfont/syllables.h"
#include "mkfont/unifont_hex.h"
#include "shell/game.h"

namespace {

using namespace mkfont;

constexpr const char* kUsage =
    "Usage: mkfont [--unifont FILE] [--out DIR] [--report] [--sheet FILE.png] [--text TEXT]...\n"
    "\n"
    "Writes the game's fonts EngFont.fnt, HanFont.fnt and han.inf (they belong in its grim\n"
    "folder) from GNU Unifont: the 8 x 16 glyphs as they are, and the Hangul letter glyphs\n"
    "(8 initial sets of 20, 4 medial sets of 22, 4 final sets of 28) fitted so that the\n"
    "syllables the game composes from them come as close as possible to Unifont's own.\n"
    "The same Unifont file always gives the same bytes.\n"
    "\n"
    "  --unifont FILE   Unifont's .hex glyph list (default /usr/share/unifont/unifont.hex,\n"
    "                   from the Debian package unifont)\n"
    "  --out DIR        where to write the three files, made if missing (default: the\n"
    "                   current folder)\n"
    "  --report         print how many of the 2350 syllables compose to exactly Unifont's\n"
    "                   glyph, and the mean and largest number of differing pixels\n"
    "  --sheet FILE     also draw sample lines and every syllable with the new fonts, through\n"
    "                   the game's own text drawing, into a PNG for review\n"
    "  --text TEXT      a sample line for the sheet, UTF-8 (repeatable; replaces the default)\n"
    "  --help           this text\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be written, 2 bad options or input.\n";

struct Options {
  std::string unifont = "/usr/share/unifont/unifont.hex";
  std::string out = ".";
  std::string sheet;
  std::vector<std::string> lines;
  bool report = false;
};

int usageError(const std::string& message) {
  std::fprintf(stderr, "mkfont: %s\nTry 'mkfont --help'.\n", message.c_str());
  return 2;
}

// 0 to go on, -1 after --help, 2 on a bad option.
int parseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return -1;
    }
    if (arg == "--report") {
      o.report = true;
      continue;
    }
    std::string* value = arg == "--unifont" ? &o.unifont
                         : arg == "--out"   ? &o.out
                         : arg == "--sheet" ? &o.sheet
                                            : nullptr;
    if (!value && arg != "--text") return usageError("unknown option '" + arg + "'");
    if (i + 1 >= argc) return usageError("option '" + arg + "' needs a value");
    if (value)
      *value = argv[++i];
    else
      o.lines.push_back(argv[++i]);
  }
  return 0;
}

// The reference glyph of every syllable, or false naming the first one Unifont lacks.
bool collectTargets(const std::vector<Syllable>& syllables, const HexFont& font,
                    std::vector<FitTarget>& out, std::string& error) {
  for (const Syllable& s : syllables) {
    const auto it = font.find(s.codePoint);
    if (it == font.end() || it->second.width != 16) {
      char text[64];
      std::snprintf(text, sizeof text, "no 16 x 16 glyph for U+%04X", s.codePoint);
      error = text;
      return false;
    }
    out.push_back({gfx::hangulPartsOf(s.johab), it->second.rows});
  }
  return true;
}

int run(const Options& o) {
  std::string error;
  HexFont font;
  std::vector<Syllable> ks;
  std::vector<FitTarget> wanted, others;
  if (!readUnifontHex(o.unifont, font, error) || !listKsSyllables(ks, error) ||
      !collectTargets(ks, font, wanted, error) ||
      !collectTargets(otherModernSyllables(ks), font, others, error)) {
    std::fprintf(stderr, "mkfont: %s\n", error.c_str());
    return 2;
  }
  std::error_code made;
  std::filesystem::create_directories(o.out, made);
  const std::string ascii = asciiFontBytes(font);
  const std::string hangul = hangulFontBytes(fitLetterGlyphs(wanted, others));
  const std::string codes = syllableCodeBytes(ks);
  if (!writeBytes(o.out + "/EngFont.fnt", ascii, error) ||
      !writeBytes(o.out + "/HanFont.fnt", hangul, error) ||
      !writeBytes(o.out + "/han.inf", codes, error)) {
    std::fprintf(stderr, "mkfont: %s\n", error.c_str());
    return 1;
  }
  // The font tables are the game's: one lives while the fit is measured and the sheet drawn.
  shell::Game game;
  installFonts(ascii, hangul, codes);
  if (o.report) std::printf("%s\n", measureFit(ks, font).text().c_str());
  if (!o.sheet.empty() &&
      !writeSampleSheet(o.sheet, o.lines.empty() ? defaultSampleLines() : o.lines, ks, font,
                        error)) {
    std::fprintf(stderr, "mkfont: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  const int parsed = parseOptions(argc, argv, options);
  if (parsed != 0) return parsed < 0 ? 0 : parsed;
  return run(options);
}
