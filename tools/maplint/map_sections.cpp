// map_sections.cpp -- the background name, the caption line and the actor records
#include <string>
#include <type_traits>

#include "maplint/lint_context.h"
#include "maplint/map_words.h"

namespace maplint {
namespace {

using LineEnd = MapScanner::LineEnd;
using Number = MapScanner::Number;

std::string notNumber(const std::string& text, MapScanner::Number result) {
  if (text.empty()) return "missing number";
  return "'" + shown(text) + "' is " +
         (result == MapScanner::Number::kOutOfRange ? "out of range" : "not a number");
}

class ActorReader {
 public:
  ActorReader(LintContext& c, int slot, int line)
      : c_(c), line_(line), who_("actor " + std::to_string(slot)) {}

  // False at the end of the file or at a count that cannot be read.
  bool read() {
    if (!actorLine()) return ended("its record");
    c_.facts.actors.push_back(facts_);
    return steps();
  }

 private:
  bool ended(const std::string& where) {
    c_.findings.error(line_, "the file ends inside " + who_ + "'s " + where);
    return false;
  }

  // A name or pack token runs up to white space, comma included: the comma after it
  // then is missing. Reported here, then read on as if a blank stood before the comma.
  bool word(const char* what, size_t most, std::string& out, int& line) {
    if (!c_.scan.token(out, line)) return false;
    const size_t comma = out.find(',');
    if (comma != std::string::npos) {
      c_.findings.error(line, who_ + ": put a blank between the " + what +
                                  " and the comma after it (a " + what +
                                  " runs up to the next blank)");
      c_.scan.unread(out.size() - comma);
      out.resize(comma);
    }
    c_.checkLength(who_ + ": " + what, out, most, line);
    return true;
  }

  bool comma(const char* after) {
    if (c_.scan.expect(',')) return true;
    if (!c_.scan.skipBlanks()) return false;
    c_.findings.error(c_.scan.line(), who_ + ": missing ',' after the " + after);
    return true;
  }

  // A number that does not read is reported and skipped, so the next field can be read.
  template <typename T>
  bool number(const char* what, T& out) {
    if (!c_.scan.skipBlanks()) return false;
    const int line = c_.scan.line();
    const std::string text = c_.scan.peekWord();
    Number result;
    if constexpr (std::is_same_v<T, float>)
      result = c_.scan.real(out);
    else
      result = c_.scan.integer(out);
    if (result == Number::kOk) return true;
    c_.findings.error(line, who_ + ": " + what + ": " + notNumber(text, result));
    c_.scan.skipWord();
    return true;
  }

  bool actorLine() {
    int line = 0;
    float real = 0;
    int32_t baseY = 0, facing = 0, mode = 0;
    if (!word("name", kNameBytes, facts_.name, line) || !comma("name")) return false;
    who_ += " (" + shown(facts_.name) + ")";
    if (!number("x", real) || !comma("x") || !number("baseY", baseY) || !comma("baseY") ||
        !number("speed", real) || !comma("speed"))
      return false;
    if (!word("pack", kCellBytes, facts_.pack.name, facts_.pack.line) || !comma("pack"))
      return false;
    c_.scan.skipBlanks();
    facts_.eventLine = c_.scan.line();
    if (!number("event", facts_.event) || !comma("event") || !number("facing", facing) ||
        !comma("facing") || !number("mode", mode))
      return false;
    if (facts_.event < 0 || facts_.event > kMaxEvent)
      c_.findings.error(facts_.eventLine,
                        who_ + ": event " + std::to_string(facts_.event) + " is outside 0..100");
    if (facing != 0 && facing != 1)
      c_.findings.warning(facts_.eventLine, who_ + ": facing " + std::to_string(facing) +
                                                " is neither 0 (left) nor 1 (right)");
    return true;
  }

  bool steps() {
    if (!c_.scan.skipBlanks()) return ended("behaviour list");
    const int line = c_.scan.line();
    const std::string text = c_.scan.peekWord();
    int32_t count = 0;
    if (c_.scan.integer(count) != Number::kOk) {
      c_.findings.error(line, who_ + ": behaviour count: " + notNumber(text, Number::kNone) +
                                  " (checking stops here)");
      return false;
    }
    if (count < 0 || count > kMaxSteps)
      c_.findings.error(
          line, who_ + ": " + std::to_string(count) + " behaviour entries; the list holds 0 to 29");
    for (int32_t i = 0; i < count; ++i)
      if (!step()) return ended("behaviour list");
    return true;
  }

  bool step() {
    std::string keyword;
    int line = 0;
    if (!c_.scan.token(keyword, line)) return false;
    switch (findBehaviour(keyword)) {
      case Behaviour::kNumber: {
        int32_t param = 0;
        return number(("'" + shown(keyword) + "'").c_str(), param);
      }
      case Behaviour::kSpeak: {
        // The speech is the rest of the line, its leading blank included.
        std::string speech;
        const LineEnd end = c_.scan.restOfLine(speech);
        c_.checkLength(who_ + ": speech line", speech, kCellBytes, line);
        return c_.lineEndFault(end, line);
      }
      case Behaviour::kNone: {
        // It takes its slot and reads nothing: a number after it is read as the next keyword.
        std::string message = who_ + ": unknown behaviour keyword '" + shown(keyword) + "'";
        if (c_.scan.skipBlanks() && c_.scan.line() == line) {
          const std::string next = c_.scan.peekWord();
          int32_t ignored = 0;
          if (MapScanner(next).integer(ignored) == Number::kOk)
            message += " (it takes no number: '" + shown(next) + "' is read as the next entry)";
        }
        c_.findings.error(line, message);
        return true;
      }
    }
    return true;
  }

  LintContext& c_;
  const int line_;
  std::string who_;
  ActorFacts facts_;
};

bool header(LintContext& c) {
  NamedFile& bg = c.facts.background;
  if (!c.scan.token(bg.name, bg.line)) {
    c.findings.error(1, "the file is empty");
    return false;
  }
  c.checkLength("background name", bg.name, kCellBytes, bg.line);
  const LineEnd end = c.scan.lineEnd();
  if (end == LineEnd::kEnd) {
    c.findings.error(bg.line, "the file ends after the background name");
    return false;
  }
  if (end == LineEnd::kOther) {
    // The game skips the two bytes after the name unread: nothing may stand between.
    c.findings.error(bg.line,
                     "the background name must end its line: nothing may follow it, not even "
                     "a blank");
    c.scan.skipLine();
  } else {
    c.lineEndFault(end, bg.line);
  }
  return true;
}

bool caption(LintContext& c) {
  std::string text;
  const int line = c.scan.line();
  const LineEnd end = c.scan.restOfLine(text);
  c.checkLength("caption", text, kCellBytes, line);
  if (c.lineEndFault(end, line)) return true;
  c.findings.error(line, "the file ends in the caption line");
  return false;
}

bool actors(LintContext& c) {
  if (!c.scan.skipBlanks()) {
    c.findings.error(c.scan.line(), "the file ends before the actor count");
    return false;
  }
  const int line = c.scan.line();
  const std::string text = c.scan.peekWord();
  int32_t count = 0;
  if (c.scan.integer(count) != Number::kOk) {
    c.findings.error(line,
                     "actor count: " + notNumber(text, Number::kNone) + " (checking stops here)");
    return false;
  }
  if (count < 0 || count > kMaxActors)
    c.findings.error(line, "actor count " + std::to_string(count) + " is outside 0..50");
  for (int32_t i = 0; i < count; ++i) {
    if (!c.scan.skipBlanks()) {
      c.findings.error(c.scan.line(), "the file ends before actor " + std::to_string(i) +
                                          " of the " + std::to_string(count));
      return false;
    }
    if (!ActorReader(c, i, c.scan.line()).read()) return false;
  }
  return true;
}

}  // namespace

bool lintHeaderAndActors(LintContext& c) { return header(c) && caption(c) && actors(c); }

}  // namespace maplint
