// command_line.cpp -- parsing the options of `game`
#include "shell/command_line.h"

#include <cctype>

namespace shell {
namespace {

bool parseNumber(const std::string& text, uint64_t max, uint64_t& out) {
  if (text.empty() || text.size() > 19) return false;
  for (char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  out = std::stoull(text);
  return out <= max;
}

}  // namespace

const char* usageText() {
  return "usage: game [options]\n"
         "  --data DIR          run on the data in DIR (default: the current folder)\n"
         "  --window            a window instead of full screen\n"
         "  --scale N           window scale: the 640 x 480 screen times N\n"
         "  --headless          no window and no sound; message boxes go to stderr\n"
         "  --frames N          stop after the Nth presented frame\n"
         "  --input FILE        play the key script FILE instead of the keyboard\n"
         "  --record FILE       write the keys of this run as a key script\n"
         "  --seed N            seed the random generator with N\n"
         "  --shot N:FILE       write the screen after presented frame N as PNG (repeatable)\n"
         "  --dump FILE         at the end, write the game state as JSON\n"
         "  --lose-surfaces N   after presented frame N, lose every surface\n"
         "  --help, --version\n"
         "Keys: arrows or keypad 4/6 walk, Space talks, Escape quits, F1/F2 stop/run the music,\n"
         "Left Control fast-forwards, Alt+Enter toggles full screen.\n";
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
        error = "option " + arg + " needs a whole number" + (max < 1000 ? " from 1 to " + std::to_string(max) : "") +
                ", not '" + text + "'";
        return false;
      }
      return true;
    };
    uint64_t n = 0;
    std::string text;
    if (arg == "--data") {
      if (!value(o.dataDir)) return false;
    } else if (arg == "--window") {
      o.window = true;
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
