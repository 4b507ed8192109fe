// command_line.cpp -- parsing the options of `game`
#include "shell/command_line.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "platform/encoding.h"

namespace shell {
namespace {

// A map name fills one cell of an event's text, as a warp's does.
constexpr size_t kMapNameBytes = 254;

bool parseNumber(const std::string& text, uint64_t max, uint64_t& out) {
  if (text.empty() || text.size() > 19) return false;
  for (char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  out = std::stoull(text);
  return out <= max;
}

// A decimal number such as 10, -4 or 612.5, nothing else around it.
bool parseReal(const std::string& text, float& out) {
  if (text.empty() || text.find_first_not_of("0123456789+-.eE") != std::string::npos) return false;
  char* end = nullptr;
  out = std::strtof(text.c_str(), &end);
  return *end == '\0' && std::isfinite(out);
}

// The game names maps in code page 949: a name without that form cannot be one of its maps.
bool mapNameOf(const std::string& utf8, std::string& cp949) {
  cp949 = platform::utf8ToCp949(utf8);
  return !utf8.empty() && cp949.size() <= kMapNameBytes && platform::cp949ToUtf8(cp949) == utf8;
}

}  // namespace

const char* usageText() {
  return "usage: game [options]\n"
         "  --data DIR          run on the data in DIR (default: the current folder when it\n"
         "                      holds grim/pal.pal, else the installed share/pelmo)\n"
         "  --window            a window instead of full screen\n"
         "  --fullscreen        full screen, whatever the settings say\n"
         "  --scale N           window scale: the 640 x 480 screen times N\n"
         "  --headless          no window and no sound; message boxes go to stderr\n"
         "  --settings FILE     read and keep the settings in FILE (headless runs read\n"
         "                      settings only from here)\n"
         "  --frames N          stop after the Nth presented frame\n"
         "  --input FILE        play the key script FILE instead of the keyboard\n"
         "  --record FILE       write the keys of this run as a key script\n"
         "  --seed N            seed the random generator with N\n"
         "  --shot N:FILE       write the screen after presented frame N as PNG (repeatable)\n"
         "  --dump FILE         at the end, write the game state as JSON\n"
         "  --lose-surfaces N   after presented frame N, lose every surface\n"
         "  --map NAME          start on map NAME (map/NAME.if) instead of 20\n"
         "  --hero-x X          start with the hero at x X (default 10)\n"
         "  --watch             reload the running map in place when its files change\n"
         "  --trace             print each event step on stderr as it runs\n"
         "  --help, --version\n"
         "Keys: arrows or keypad 4/6 walk, Space talks, Escape quits, F1/F2 stop/run the music,\n"
         "Left Control fast-forwards, Alt+Enter toggles full screen, F12 takes a screenshot,\n"
         "F9 shows or hides the tracer's overlay.\n"
         "Exit status: 0 after a run; 1 when the game could not start (no display, or a\n"
         "start-up failure after its message box) or a file of --dump, --shot or --record\n"
         "could not be written (the reason on stderr); 2 for an option it cannot follow.\n";
}

bool parseCommandLine(int argc, const char* const* argv, Options& o, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&](std::string& out) {
      if (i + 1 >= argc) {
        error = "option " + arg + " needs a value";
        return false;
      }
      out = argv[++i];
      return true;
    };
    const auto number = [&](uint64_t max, uint64_t& out) {
      std::string text;
      if (!value(text)) return false;
      if (!parseNumber(text, max, out)) {
        error = "option " + arg + " needs a whole number" +
                (max < 1000 ? " from 1 to " + std::to_string(max) : "") + ", not '" + text + "'";
        return false;
      }
      return true;
    };
    uint64_t n = 0;
    std::string text;
    if (arg == "--data") {
      if (!value(o.dataDir)) return false;
    } else if (arg == "--window" || arg == "--fullscreen") {
      o.window = arg == "--window";
      o.fullScreen = !o.window;
    } else if (arg == "--settings") {
      if (!value(o.settingsPath)) return false;
    } else if (arg == "--scale") {
      if (!number(16, n)) return false;
      if (n == 0) return error = "option --scale needs a whole number from 1 to 16, not '0'", false;
      o.scale = int(n);
    } else if (arg == "--headless") {
      o.headless = true;
    } else if (arg == "--frames") {
      if (!number(UINT64_MAX / 2, o.frames)) return false;
    } else if (arg == "--input") {
      if (!value(o.inputScript)) return false;
    } else if (arg == "--record") {
      if (!value(o.recordScript)) return false;
    } else if (arg == "--seed") {
      if (!number(UINT32_MAX, n)) return false;
      o.seed = uint32_t(n);
    } else if (arg == "--shot") {
      if (!value(text)) return false;
      const size_t colon = text.find(':');
      if (colon == std::string::npos || !parseNumber(text.substr(0, colon), UINT64_MAX / 2, n) ||
          n == 0 || colon + 1 == text.size()) {
        error = "option --shot needs N:FILE with N from 1, not '" + text + "'";
        return false;
      }
      o.shots.emplace_back(n, text.substr(colon + 1));
    } else if (arg == "--dump") {
      if (!value(o.dumpPath)) return false;
    } else if (arg == "--lose-surfaces") {
      if (!number(UINT64_MAX / 2, o.loseSurfacesAt)) return false;
    } else if (arg == "--map") {
      if (!value(text)) return false;
      std::string name;
      if (!mapNameOf(text, name))
        return error = "option --map needs a map name of 1 to 254 bytes in code page 949, not '" +
                       text + "'",
               false;
      o.mapName = name;
    } else if (arg == "--hero-x") {
      if (!value(text)) return false;
      float x = 0;
      if (!parseReal(text, x))
        return error = "option --hero-x needs a number such as 10 or 612.5, not '" + text + "'",
               false;
      o.heroX = x;
    } else if (arg == "--watch") {
      o.watch = true;
    } else if (arg == "--trace") {
      o.trace = true;
    } else if (arg == "--help" || arg == "-h") {
      o.help = true;
    } else if (arg == "--version") {
      o.version = true;
    } else {
      error = "unknown option '" + arg + "' (see --help)";
      return false;
    }
  }
  return true;
}

}  // namespace shell
