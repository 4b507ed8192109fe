// colour_list.cpp -- palettes written as text: one colour a line, with comments and ramps
#include "common/colour_list.h"

#include <cctype>
#include <cstdio>
#include <sstream>
#include <vector>

#include "common/cli.h"

namespace tools {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// A word of '#' and hex digits only is meant as a colour (and must have six of them); any
// other '#' starts a comment. So "#fff" is a mistake to report, "# note" and "#note" are not.
std::string withoutComment(const std::string& line) {
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '#') continue;
    size_t end = i + 1;
    while (end < line.size() && std::isxdigit(static_cast<unsigned char>(line[end]))) ++end;
    const bool wordStart = i == 0 || isSpace(line[i - 1]);
    const bool wordEnd = end == line.size() || isSpace(line[end]);
    if (!wordStart || !wordEnd || end == i + 1) return line.substr(0, i);
    i = end - 1;
  }
  return line;
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> result;
  for (std::string w; in >> w;) result.push_back(w);
  return result;
}

struct LineReader {
  explicit LineReader(const std::vector<std::string>& words) : w(words) {}
  const std::vector<std::string>& w;
  size_t at = 0;
  std::string problem;

  bool done() const { return at == w.size(); }
  bool number(int low, int high, int& value, const char* what) {
    if (done()) return problem = std::string("missing ") + what, false;
    if (!parseInt(w[at], low, high, value)) {
      problem = "'" + w[at] + "' is not " + what + " (" + std::to_string(low) + " to " +
                std::to_string(high) + ")";
      return false;
    }
    ++at;
    return true;
  }
  // "#rrggbb" or three numbers.
  bool colour(Rgb& c) {
    if (!done() && w[at][0] == '#') {
      if (!parseHexColour(w[at], c)) return problem = "'" + w[at] + "' is not #rrggbb", false;
      ++at;
      return true;
    }
    int r, g, b;
    if (!number(0, 255, r, "a red value") || !number(0, 255, g, "a green value") ||
        !number(0, 255, b, "a blue value"))
      return false;
    c = Rgb{uint8_t(r), uint8_t(g), uint8_t(b)};
    return true;
  }
};

Rgb rampColour(Rgb from, Rgb to, int step, int steps) {
  if (steps == 0) return from;
  auto mix = [&](int a, int b) {
    return uint8_t((a * (steps - step) + b * step + steps / 2) / steps);
  };
  return Rgb{mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b)};
}

class ListBuilder {
 public:
  explicit ListBuilder(ColourList& list) : list_(list) {}

  // One line without its comment; false with problem set when it is wrong.
  bool line(const std::string& text, int lineNumber, std::string& problem) {
    const std::vector<std::string> w = words(text);
    if (w.empty()) return true;
    LineReader reader(w);
    bool ok = w[0] == "ramp" ? ramp(reader, lineNumber) : entry(reader, lineNumber);
    if (ok && !reader.done()) ok = (reader.problem = "unexpected '" + w[reader.at] + "'", false);
    if (!ok) problem = reader.problem.empty() ? problem_ : reader.problem;
    return ok;
  }

 private:
  bool entry(LineReader& reader, int lineNumber) {
    int index = next_;
    // Four words, or two with a hex colour: the first is the entry's index.
    const bool indexed = reader.w.size() == 4 || (reader.w.size() == 2 && reader.w[1][0] == '#');
    if (indexed && !reader.number(0, 255, index, "an entry index")) return false;
    if (index > 255) return problem_ = "more than 256 entries (the last is 255)", false;
    Rgb c;
    return reader.colour(c) && set(index, c, lineNumber);
  }

  bool ramp(LineReader& reader, int lineNumber) {
    ++reader.at;
    int first, last;
    Rgb from, to;
    if (!reader.number(0, 255, first, "the ramp's first entry") ||
        !reader.number(first, 255, last, "the ramp's last entry") || !reader.colour(from) ||
        !reader.colour(to))
      return false;
    for (int i = first; i <= last; ++i)
      if (!set(i, rampColour(from, to, i - first, last - first), lineNumber)) return false;
    return true;
  }

  bool set(int index, Rgb c, int lineNumber) {
    int& line = list_.lineOf[size_t(index)];
    if (line != 0) {
      problem_ = "entry " + std::to_string(index) + " is given twice (first on line " +
                 std::to_string(line) + ")";
      return false;
    }
    line = lineNumber;
    list_.colours[size_t(index)] = c;
    next_ = index + 1;
    return true;
  }

  ColourList& list_;
  int next_ = 0;
  std::string problem_;
};

}  // namespace

int ColourList::given() const {
  int count = 0;
  for (int line : lineOf) count += line != 0;
  return count;
}

bool parseColourList(const std::string& text, const std::string& name, ColourList& list,
                     std::string& error) {
  list = ColourList{};
  ListBuilder builder(list);
  std::istringstream in(text);
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    std::string problem;
    if (!builder.line(withoutComment(line), lineNumber, problem)) {
      error = name + ":" + std::to_string(lineNumber) + ": " + problem;
      return false;
    }
  }
  if (list.given() == 0) return error = name + ": no colours in the list", false;
  return true;
}

std::string formatColourList(const Palette& palette) {
  std::string text = "# palette entries: INDEX RED GREEN BLUE\n";
  char line[64];
  for (int i = 0; i < 256; ++i) {
    const Rgb c = palette[size_t(i)];
    std::snprintf(line, sizeof line, "%3d %3d %3d %3d   # %s\n", i, c.r, c.g, c.b,
                  hexColour(c).c_str());
    text += line;
  }
  return text;
}

}  // namespace tools
