// event_lint.cpp -- the event section: labels, commands, their arguments and text blocks
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "maplint/lint_context.h"
#include "maplint/map_words.h"
#include "world/event_language.h"

namespace maplint {
namespace {

using LineEnd = MapScanner::LineEnd;

struct Word {
  std::string text;
  int line = 0;
};

// How the reading of an event goes on.
enum class Flow { kGoOn, kFileEnded, kStopped };

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool wholeNumber(const std::string& text) {
  size_t i = text[0] == '+' || text[0] == '-';
  if (i == text.size()) return false;
  for (; i < text.size(); ++i)
    if (!isDigit(text[i])) return false;
  errno = 0;
  const long long v = std::strtoll(text.c_str(), nullptr, 10);
  return errno != ERANGE && v >= INT32_MIN && v <= INT32_MAX;
}

std::string quoted(const std::string& cp949) { return "'" + shown(cp949) + "'"; }

class EventReader {
 public:
  explicit EventReader(LintContext& c) : c_(c) {}

  bool read() {
    if (!c_.scan.skipBlanks()) {
      c_.findings.error(c_.scan.line(), "the file ends before the event count");
      return false;
    }
    const int line = c_.scan.line();
    const std::string text = c_.scan.peekWord();
    int32_t count = 0;
    if (c_.scan.integer(count) != MapScanner::Number::kOk) {
      c_.findings.error(line, "event count: " + quoted(text) + " is not a number");
      return false;
    }
    if (count < 0) c_.findings.error(line, "event count " + std::to_string(count) + " is negative");
    for (int32_t e = 0; e < count; ++e) {
      Word label;
      if (!next(label)) {
        c_.findings.error(line, "the event count is " + std::to_string(count) +
                                    ", but the file ends after " + std::to_string(e) + " events");
        return false;
      }
      if (!event(label)) return false;
    }
    Word rest;
    if (next(rest))
      c_.findings.warning(rest.line, "the event count is " + std::to_string(count) +
                                         ": the game does not read this or anything after it");
    return true;
  }

 private:
  // The next token; a number's unread rest comes first, as the game reads it again.
  bool next(Word& w) {
    if (!pending_.text.empty()) {
      w = pending_;
      pending_ = {};
      return true;
    }
    return c_.scan.token(w.text, w.line);
  }

  bool event(const Word& label) {
    c_.checkLength("label", label.text, kLabelBytes, label.line);
    number_ = world::decimalValue(label.text.c_str());
    if (number_ < 0 || number_ > kMaxEvent) {
      c_.findings.error(label.line, "label " + quoted(label.text) + " gives event " +
                                        std::to_string(number_) + ", outside 0..100");
    } else {
      if (number_ == 0)
        c_.findings.warning(label.line,
                            "label " + quoted(label.text) + " gives event 0, which never runs");
      const auto [it, added] = c_.facts.events.emplace(number_, label.line);
      if (!added)
        c_.findings.warning(label.line, "event " + std::to_string(number_) +
                                            " is defined again (first on line " +
                                            std::to_string(it->second) +
                                            "): its steps overwrite those of the first");
    }
    for (int commands = 0;;) {
      Word w;
      if (!next(w)) return unclosed(label);
      if (w.text == label.text) return true;
      if (++commands == kMaxCommands + 1)
        c_.findings.error(w.line,
                          "event " + std::to_string(number_) + " has more than 199 commands");
      const Flow flow = command(w);
      if (flow == Flow::kFileEnded) return unclosed(label);
      if (flow == Flow::kStopped) return false;
    }
  }

  bool unclosed(const Word& label) {
    c_.findings.error(label.line, "event " + std::to_string(number_) +
                                      " is not closed: the file ends before its closing label " +
                                      quoted(label.text));
    return false;
  }

  // How many words a keyword takes comes with it; what they mean follows from what it does.
  Flow command(const Word& w) {
    const world::EventKeyword* cmd = world::findEventKeyword(w.text);
    if (!cmd) {
      c_.findings.error(
          w.line, "unknown command " + quoted(w.text) + " (the event ends here when it runs)");
      return Flow::kGoOn;
    }
    cmd_ = shown(cmd->word);
    switch (cmd->op) {
      case world::kOpHeroMove: {
        int32_t x = 0;
        return argument("the hero's x", x);
      }
      case world::kOpHeroWalkLeft:
      case world::kOpHeroWalkRight:
        return walkFrames();
      case world::kOpActorFaceLeft:
      case world::kOpActorFaceRight:
      case world::kOpActorVanish:
        return actorSlot();
      case world::kOpActorWalkLeft:
      case world::kOpActorWalkRight: {
        const Flow flow = actorSlot();
        return flow == Flow::kGoOn ? walkFrames() : flow;
      }
      case world::kOpIcon:
        return icon();
      case world::kOpFlag:
        return flag();
      case world::kOpIf:
        return condition();
      case world::kOpVisual:
        return fileName(c_.facts.visuals, "cut-scene name");
      case world::kOpWarp: {
        const Flow flow = fileName(c_.facts.warps, "map name");
        int32_t x = 0;
        return flow == Flow::kGoOn ? argument("the hero's x", x) : flow;
      }
      case world::kOpText:
        return textBlock(w);
      default:
        return Flow::kGoOn;  // nothing after the keyword
    }
  }

  // A number from the front of the next token; the rest of the token is read next. A
  // token without a number is kept whole for the next read, as the game keeps it.
  // ok tells whether out holds a number.
  Flow argument(const char* what, int32_t& out, bool* ok = nullptr) {
    if (ok) *ok = false;
    Word w;
    if (!next(w)) return Flow::kFileEnded;
    const std::string& t = w.text;
    size_t end = t[0] == '+' || t[0] == '-';
    const size_t digits = end;
    while (end < t.size() && isDigit(t[end])) ++end;
    if (end == digits) {
      c_.findings.error(w.line, "'" + cmd_ + "' needs a number (" + what + "), not " + quoted(t) +
                                    ", which is read as the next command");
      pending_ = w;
      return Flow::kGoOn;
    }
    errno = 0;
    const long long v = std::strtoll(t.c_str(), nullptr, 10);
    if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX) {
      c_.findings.error(w.line, std::string(what) + " " + quoted(t) + " is out of range");
      return Flow::kGoOn;
    }
    out = int32_t(v);
    if (ok) *ok = true;
    pending_ = {t.substr(end), w.line};
    line_ = w.line;
    return Flow::kGoOn;
  }

  Flow actorSlot() {
    int32_t slot = 0;
    bool ok = false;
    const Flow flow = argument("actor slot", slot, &ok);
    const int count = int(c_.facts.actors.size());
    if (ok && (slot < 0 || slot >= count))
      c_.findings.error(
          line_, count == 0 ? "actor slot " + std::to_string(slot) + ": the map has no actors"
                            : "actor slot " + std::to_string(slot) + " is outside 0.." +
                                  std::to_string(count - 1));
    return flow;
  }

  Flow walkFrames() {
    int32_t frames = 0;
    bool ok = false;
    const Flow flow = argument("walk frames", frames, &ok);
    if (ok && frames < 0)
      c_.findings.warning(line_, "a walk of " + std::to_string(frames) +
                                     " frames never ends (the event stops there)");
    return flow;
  }

  Flow icon() {
    int32_t who = 0, kind = 0;
    bool ok = false;
    Flow flow = argument("who", who, &ok);
    const int count = int(c_.facts.actors.size());
    if (ok && (who < 0 || who > count))
      c_.findings.error(line_, "icon owner " + std::to_string(who) + " is outside 0.." +
                                   std::to_string(count) +
                                   " (0 the hero, k the actor in slot k - 1)");
    if (flow != Flow::kGoOn || !ok) return flow;
    flow = argument("icon kind", kind, &ok);
    if (ok && (kind < 0 || kind >= kIconKinds))
      c_.findings.error(line_, "icon kind " + std::to_string(kind) + " is outside 0..7");
    return flow;
  }

  void checkFlag(int32_t flag, int line) {
    if (flag < 0 || flag >= kFlagCount)
      c_.findings.error(line, "flag " + std::to_string(flag) + " is outside 0..99");
  }

  Flow flag() {
    int32_t number = 0, value = 0;
    bool ok = false;
    const Flow flow = argument("flag number", number, &ok);
    if (ok) checkFlag(number, line_);
    if (flow != Flow::kGoOn || !ok) return flow;
    return argument("value", value);
  }

  // "만약 플러그 F V E": three tokens taken whole, each by its leading number.
  Flow condition() {
    Word w;
    if (!next(w)) return Flow::kFileEnded;
    if (w.text != world::kIfFlagWord) {
      c_.findings.error(w.line, "'만약' must be followed by '플러그', not " + quoted(w.text) +
                                    " (the event ends here when it runs)");
      return Flow::kGoOn;
    }
    Word parts[3];
    const char* names[3] = {"flag", "value", "event"};
    for (int i = 0; i < 3; ++i) {
      if (!next(parts[i])) return Flow::kFileEnded;
      if (!wholeNumber(parts[i].text))
        c_.findings.error(parts[i].line, std::string("'만약 플러그' ") + names[i] + " " +
                                             quoted(parts[i].text) + " is not a whole number");
    }
    checkFlag(world::decimalValue(parts[0].text.c_str()), parts[0].line);
    const int32_t target = world::decimalValue(parts[2].text.c_str());
    if (target < 0 || target > kMaxEvent)
      c_.findings.error(parts[2].line,
                        "jump to event " + std::to_string(target) + ", outside 0..100");
    else
      c_.facts.jumps.emplace_back(target, parts[2].line);
    return Flow::kGoOn;
  }

  Flow fileName(std::vector<NamedFile>& names, const char* what) {
    Word w;
    if (!next(w)) return Flow::kFileEnded;
    c_.checkLength(what, w.text, kCellBytes, w.line);
    names.push_back({w.text, w.line});
    return Flow::kGoOn;
  }

  Flow textBlock(const Word& keyword) {
    Word title, second;
    if (!next(title) || !next(second)) return Flow::kFileEnded;
    c_.checkLength("title", title.text, kCellBytes, title.line);
    c_.checkLength("second word", second.text, kCellBytes, second.line);
    const LineEnd end = c_.scan.lineEnd();
    if (end == LineEnd::kEnd) return Flow::kFileEnded;
    if (end == LineEnd::kOther) {
      // The game skips the two bytes after the second word: the line must end there.
      c_.findings.error(second.line,
                        "'글씨찍기' takes exactly two words on its line (a title and one "
                        "more), with nothing after them, not even a blank");
      c_.scan.skipLine();
    } else {
      c_.lineEndFault(end, second.line);
    }
    int body = 0;
    for (;;) {
      std::string row;
      const int line = c_.scan.line();
      const LineEnd rowEnd = c_.scan.restOfLine(row);
      if (!c_.lineEndFault(rowEnd, line)) {
        c_.findings.error(keyword.line,
                          "text block is not closed: the file ends before its '}' line");
        return Flow::kStopped;
      }
      if (row == "}") break;
      ++body;
      bodyLine(row, line);
    }
    if (body > kBalloonRows)
      c_.findings.warning(keyword.line, "text block has " + std::to_string(body) +
                                            " body lines; the balloon shows 4");
    textCells_ += body + 2;
    if (textCells_ > kTextCells && !cellsReported_) {
      cellsReported_ = true;
      c_.findings.error(keyword.line, "the map's text blocks need more than 501 lines (" +
                                          std::string("title, body and '}' lines together)"));
    }
    return Flow::kGoOn;
  }

  void bodyLine(const std::string& row, int line) {
    c_.checkLength("text line", row, kCellBytes, line);
    // One byte is 8 pixels wide, a two-byte character 16.
    const int width = int(row.size()) * 8;
    if (width > kBalloonWidth)
      c_.findings.warning(line, "text line is " + std::to_string(width) +
                                    " px wide; the balloon shows 305 px (38 one-byte or 19 "
                                    "two-byte characters)");
    if (row[0] == '}')
      c_.findings.warning(line,
                          "the line starts with '}': the block goes on, but the balloon "
                          "stops showing here");
  }

  LintContext& c_;
  Word pending_;
  int32_t number_ = 0;  // the event being read
  std::string cmd_;     // the command being read, UTF-8
  int line_ = 0;        // the line of the last number read
  int textCells_ = 0;
  bool cellsReported_ = false;
};

}  // namespace

bool lintEvents(LintContext& c) { return EventReader(c).read(); }

}  // namespace maplint
