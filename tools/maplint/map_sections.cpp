// map_sections.cpp -- the background name, the caption line and the actor records
#include <string>
#include <type_traits>

#include "maplint/lint_context.h"
#include "maplint/map_words.h"
#include "maplint/near_words.h"

namespace maplint {
namespace {

using LineEnd = MapScanner::LineEnd;
using Number = MapScanner::Number;

std::string notNumber(const std::string& text, MapScanner::Number result) {
  if (text.empty()) return "missing number";
  return "'" + shown(text) + "' is " +
         (result == MapScanner::Number::kOutOfRange ? "out of range" : "not a number");
}

// What a line of the actor section looks like, for reading on when a count is wrong:
// kKeyword an entry with a behaviour keyword or a word near one, kEntry any other word
// that could be an entry's.
enum class Shape { kEnd, kActor, kKeyword, kEntry, kNumber };

Shape shapeOf(const std::string& line) {
  if (line.empty()) return Shape::kEnd;
  MapScanner scan(line);
  std::string first;
  int ignored = 0;
  scan.token(first, ignored);
  const size_t comma = first.find(',');
  const std::string word = first.substr(0, comma);
  if (findBehaviour(word) != Behaviour::kNone || !nearestWord(word, behaviourKeywords()).empty())
    return Shape::kKeyword;
  // An actor's line holds eight fields between seven commas.
  size_t commas = 0;
  for (char c : line) commas += c == ',';
  if (commas >= 3) return Shape::kActor;
  int32_t number = 0;
  if (MapScanner(first).integer(number) != Number::kNone) return Shape::kNumber;
  return Shape::kEntry;
}

// The next line is a number alone and the one after it has this shape.
bool numberThen(MapScanner& scan, Shape then) {
  if (shapeOf(scan.peekLine()) != Shape::kNumber) return false;
  const MapScanner::Mark mark = scan.mark();
  scan.skipBlanks();
  scan.skipLine();
  const bool found = shapeOf(scan.peekLine()) == then;
  scan.reset(mark);
  return found;
}

class ActorReader {
 public:
  ActorReader(LintContext& c, int slot, int line)
      : c_(c), line_(line), who_("actor " + std::to_string(slot)) {}

  // An actor whose line is missing: a behaviour count and keywords stand where it should.
  static bool lineMissing(MapScanner& scan) { return numberThen(scan, Shape::kKeyword); }

  // Its behaviour list alone, when its line is missing.
  bool readWithoutLine() {
    c_.findings.error(line_, who_ +
                                 ": its line is missing: a behaviour count stands where the "
                                 "line with its eight fields should");
    c_.facts.actors.push_back(facts_);
    return steps();
  }

  // False at the end of the file.
  bool read() {
    // The eight fields are read from the record's line alone, so that a fault in them
    // stays on that line.
    std::string text;
    const int line = c_.scan.line();
    c_.scan.restOfLine(text);
    MapScanner scan(text, line);
    Findings lineFindings;
    LintContext lineContext{scan, lineFindings, c_.facts};
    at_ = &lineContext;
    actorLine();
    std::string extra;
    int extraLine = 0;
    if (!short_ && scan.token(extra, extraLine)) {
      // A number there with entries on the next line is the behaviour count, joined.
      int32_t joined = 0;
      std::string more;
      if (MapScanner(extra).integer(joined) == Number::kOk && joined >= 0 &&
          !scan.token(more, extraLine) && shapeOf(c_.scan.peekLine()) == Shape::kKeyword) {
        at_->findings.error(line, who_ + ": the behaviour count " + std::to_string(joined) +
                                      " belongs on the next line, not after the mode");
        joinedCount_ = joined;
      } else {
        at_->findings.error(extraLine, who_ + ": " + quotedWord(extra) +
                                           " after the mode (the game reads it as the behaviour "
                                           "count)");
      }
    }
    at_ = &c_;
    // One fault of the line is said: the fields after a bad one are read as well as they
    // can be, for what the map's other checks need, but their errors would only echo it.
    bool said = false;
    for (const Finding& f : lineFindings.sorted())
      if (!f.error || !said) {
        c_.findings.add(f);
        said = said || f.error;
      }
    c_.facts.actors.push_back(facts_);
    return steps();
  }

 private:
  bool ended(const std::string& where) {
    at_->findings.error(line_, "the file ends inside " + who_ + "'s " + where);
    return false;
  }

  static std::string quotedWord(const std::string& cp949) { return "'" + shown(cp949) + "'"; }

  // The record's line ended before this field.
  bool lineEnded(const char* what) {
    if (!short_)
      at_->findings.error(line_, who_ + ": the line ends before the " + what +
                                     " (an actor's line holds eight fields)");
    short_ = true;
    return false;
  }

  // A name or pack token runs up to white space, comma included: the comma after it
  // then is missing. Reported here, then read on as if a blank stood before the comma.
  bool word(const char* what, size_t most, std::string& out, int& line) {
    if (!at_->scan.token(out, line)) return lineEnded(what);
    const size_t comma = out.find(',');
    if (comma != std::string::npos) {
      at_->findings.error(line, who_ + ": put a blank between the " + what +
                                    " and the comma after it (a " + what +
                                    " runs up to the next blank)");
      at_->scan.unread(out.size() - comma);
      out.resize(comma);
    }
    at_->checkLength(who_ + ": " + what, out, most, line);
    return true;
  }

  bool comma(const char* after) {
    if (at_->scan.expect(',')) return true;
    if (!at_->scan.skipBlanks()) {
      at_->findings.error(line_, who_ + ": missing ',' after the " + after +
                                     ": the line ends there (an actor's line holds eight fields)");
      short_ = true;
      return false;
    }
    at_->findings.error(at_->scan.line(), who_ + ": missing ',' after the " + after);
    return true;
  }

  // A number that does not read is reported and skipped, so the next field can be read.
  template <typename T>
  bool number(const char* what, T& out) {
    if (!at_->scan.skipBlanks()) return lineEnded(what);
    const int line = at_->scan.line();
    const std::string text = at_->scan.peekWord();
    Number result;
    if constexpr (std::is_same_v<T, float>)
      result = at_->scan.real(out);
    else
      result = at_->scan.integer(out);
    if (result == Number::kOk) return true;
    at_->findings.error(line, who_ + ": " + what + ": " + notNumber(text, result));
    at_->scan.skipWord();
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
    at_->scan.skipBlanks();
    facts_.eventLine = at_->scan.line();
    if (!number("event", facts_.event) || !comma("event") || !number("facing", facing) ||
        !comma("facing") || !number("mode", mode))
      return false;
    facts_.mode = mode;
    if (facts_.event < 0 || facts_.event > kMaxEvent)
      at_->findings.error(facts_.eventLine,
                          who_ + ": event " + std::to_string(facts_.event) + " is outside 0..100");
    if (facing != 0 && facing != 1)
      at_->findings.warning(facts_.eventLine, who_ + ": facing " + std::to_string(facing) +
                                                  " is neither 0 (left) nor 1 (right)");
    return true;
  }

  // A count that does not agree with the entries that follow is reported once; the
  // entries are read as far as the lines look like entries.
  bool steps() {
    if (!c_.scan.skipBlanks()) return ended("behaviour list");
    const int line = c_.scan.line();
    const std::string text = c_.scan.peekWord();
    int32_t count = joinedCount_;
    bool known = joinedCount_ >= 0 || c_.scan.integer(count) == Number::kOk;
    bool reported = true;
    if (joinedCount_ >= 0) {
      // Said with the actor's line.
    } else if (!known) {
      c_.findings.error(line, who_ + ": behaviour count: " + notNumber(text, Number::kNone));
      c_.scan.skipLine();
      // A line too many before the count (an actor's line given twice): the count follows.
      if (shapeOf(c_.scan.peekLine()) == Shape::kNumber)
        known = c_.scan.integer(count) == Number::kOk && count >= 0 && count <= kMaxSteps;
    } else if (count < 0 || count > kMaxSteps) {
      c_.findings.error(
          line, who_ + ": " + std::to_string(count) + " behaviour entries; the list holds 0 to 29");
    } else {
      reported = false;
    }
    // Within the count any word may be an entry's; beyond it only a keyword shows one.
    int32_t read = 0;
    if (known && count > 0 && !reported && lineMissing(c_.scan)) {
      // No entry yet, but a number and entries: the count is given twice.
      c_.findings.error(line, who_ +
                                  ": the behaviour count is given twice (on the next line "
                                  "again)");
      reported = true;
      c_.scan.skipBlanks();
      c_.scan.skipLine();
    }
    for (; known && read < count; ++read) {
      const Shape shape = shapeOf(c_.scan.peekLine());
      if (shape != Shape::kKeyword && shape != Shape::kEntry) break;
      if (!step()) return ended("behaviour list");
    }
    if (known && read < count && !reported) {
      c_.findings.error(line, who_ + ": the behaviour count is " + std::to_string(count) +
                                  ", but " + std::to_string(read) + " entries follow");
      reported = true;
    }
    for (; shapeOf(c_.scan.peekLine()) == Shape::kKeyword; ++read) {
      if (!reported)
        c_.findings.error(line, who_ + ": the behaviour count is " + std::to_string(count) +
                                    ", but more entries follow");
      reported = true;
      if (!step()) return ended("behaviour list");
    }
    return true;
  }

  bool step() {
    std::string keyword;
    int line = 0;
    if (!c_.scan.token(keyword, line)) return false;
    switch (findBehaviour(keyword)) {
      case Behaviour::kNumber: {
        // A word that is no number on a later line is the next entry, not this one's number.
        const MapScanner::Mark mark = c_.scan.mark();
        std::string next;
        int nextLine = 0;
        int32_t param = 0;
        const bool more = c_.scan.token(next, nextLine);
        c_.scan.reset(mark);
        if (more && nextLine > line && MapScanner(next).integer(param) != Number::kOk) {
          c_.findings.error(line, who_ + ": '" + shown(keyword) + "' needs a number");
          return true;
        }
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
        std::string next;
        const MapScanner::Mark mark = c_.scan.mark();
        if (c_.scan.tokenOnLine(next)) {
          int32_t ignored = 0;
          if (MapScanner(next).integer(ignored) == Number::kOk)
            message += " (it takes no number: '" + shown(next) + "' is read as the next entry)";
        }
        c_.scan.reset(mark);
        const std::string meant = nearestWord(keyword, behaviourKeywords());
        c_.findings.error(line, message, meant.empty() ? "" : shown(meant));
        // What was meant is unknown, so its line is passed over as a whole.
        c_.scan.skipLine();
        return true;
      }
    }
    return true;
  }

  LintContext& c_;
  LintContext* at_ = &c_;  // where the actor's line is read from
  const int line_;
  std::string who_;
  ActorFacts facts_;
  bool short_ = false;    // the actor's line has been found short
  int joinedCount_ = -1;  // the behaviour count found at the end of the actor's line
};

// How the reading goes on after the background name's line.
enum class Header { kStop, kCaptionNext, kCaptionTaken };

Header header(LintContext& c) {
  NamedFile& bg = c.facts.background;
  if (!c.scan.token(bg.name, bg.line)) {
    c.findings.error(1, "the file is empty");
    return Header::kStop;
  }
  c.checkLength("background name", bg.name, kCellBytes, bg.line);
  const LineEnd end = c.scan.lineEnd();
  if (end == LineEnd::kEnd) {
    c.findings.error(bg.line, "the file ends after the background name");
    return Header::kStop;
  }
  if (end == LineEnd::kOther) {
    // The game skips the two bytes after the name unread: nothing may stand between.
    c.findings.error(bg.line,
                     "the background name must end its line: nothing may follow it, not even "
                     "a blank");
    c.scan.skipLine();
    // The count and the actors right after it: the caption stands on this line (or the
    // background name's line is missing), and the reading goes on at the count.
    if (numberThen(c.scan, Shape::kActor)) return Header::kCaptionTaken;
  } else {
    c.lineEndFault(end, bg.line);
  }
  return Header::kCaptionNext;
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
  bool known = c.scan.integer(count) == Number::kOk;
  bool reported = true;
  if (!known) {
    c.findings.error(line, "actor count: " + notNumber(text, Number::kNone));
    // An actor's line where the count should be is read as the first record.
    if (shapeOf(c.scan.peekLine()) != Shape::kActor) c.scan.skipLine();
    // A line too many before the count (the background name or the caption given twice):
    // the count follows.
    if (shapeOf(c.scan.peekLine()) == Shape::kNumber)
      known = c.scan.integer(count) == Number::kOk && count >= 0 && count <= kMaxActors;
  } else if (count < 0 || count > kMaxActors) {
    c.findings.error(line, "actor count " + std::to_string(count) + " is outside 0..50");
  } else {
    reported = false;
  }
  if (!reported && count > 0 && numberThen(c.scan, Shape::kActor)) {
    c.findings.error(line, "the actor count is given twice (on the next line again)");
    reported = true;
    c.scan.skipBlanks();
    c.scan.skipLine();
  }
  // As with behaviour lists, the records are read as far as the lines look like them.
  int32_t i = 0;
  for (; !known || i < count; ++i) {
    if (!c.scan.skipBlanks()) {
      if (!reported)
        c.findings.error(c.scan.line(), "the file ends before actor " + std::to_string(i) +
                                            " of the " + std::to_string(count));
      return false;
    }
    ActorReader actor(c, i, c.scan.line());
    if (known && !reported && ActorReader::lineMissing(c.scan)) {
      reported = true;
      if (!actor.readWithoutLine()) return false;
      continue;
    }
    if (shapeOf(c.scan.peekLine()) != Shape::kActor) break;
    if (!actor.read()) return false;
  }
  if (known && i < count && !reported) {
    c.findings.error(line, "the actor count is " + std::to_string(count) + ", but " +
                               std::to_string(i) + " actor records follow");
    reported = true;
  }
  for (; shapeOf(c.scan.peekLine()) == Shape::kActor; ++i) {
    c.scan.skipBlanks();
    if (!reported)
      c.findings.error(
          line, "the actor count is " + std::to_string(count) + ", but more actor records follow");
    reported = true;
    if (!ActorReader(c, i, c.scan.line()).read()) return false;
  }
  return true;
}

}  // namespace

bool lintHeaderAndActors(LintContext& c) {
  const Header h = header(c);
  if (h == Header::kStop) return false;
  return (h == Header::kCaptionTaken || caption(c)) && actors(c);
}

}  // namespace maplint
