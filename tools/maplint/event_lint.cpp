// event_lint.cpp -- the event section: labels, commands, their arguments and text blocks
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "maplint/lint_context.h"
#include "maplint/map_words.h"
#include "maplint/near_words.h"
#include "world/event_language.h"

namespace maplint {
namespace {

using LineEnd = MapScanner::LineEnd;

struct Word {
  std::string text;
  int line = 0;
};

// How the reading of an event goes on. kClosed: a word read as the event's closing label.
enum class Flow { kGoOn, kFileEnded, kStopped, kClosed };

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

bool allDigits(const std::string& text) {
  for (char c : text)
    if (!isDigit(c)) return false;
  return !text.empty();
}

// Whether a line of text reads as one whole command: a keyword followed by just the words
// it takes. A text line may start with a keyword's word ("만약 ..."), but hardly like this.
bool looksLikeCommand(const std::string& row) {
  MapScanner scan(row);
  std::vector<std::string> words;
  std::string word;
  int ignored = 0;
  while (scan.token(word, ignored)) words.push_back(word);
  if (words.empty()) return false;
  const world::EventKeyword* k = world::findEventKeyword(words[0]);
  if (!k) return false;
  const auto numbers = [&](size_t from) {
    for (size_t i = from; i < words.size(); ++i)
      if (!wholeNumber(words[i])) return false;
    return true;
  };
  switch (k->args) {
    case world::EventArgs::kNone:
      return words.size() == 1;
    case world::EventArgs::kArg1:
      return words.size() == 2 && numbers(1);
    case world::EventArgs::kArg1Arg2:
    case world::EventArgs::kFlag:
      return words.size() == 3 && numbers(1);
    case world::EventArgs::kIf:
      return words.size() == 5 && words[1] == world::kIfFlagWord && numbers(2);
    case world::EventArgs::kStr:
      return words.size() == 2;
    case world::EventArgs::kStrArg1:
      return words.size() == 3 && numbers(2);
    case world::EventArgs::kText:
      return words.size() == 3;
  }
  return false;
}

// Keeps the findings quiet while the reading guesses what a faulty word meant.
class Quiet {
 public:
  explicit Quiet(Findings& f) : f_(f), was_(f.quiet) { f_.quiet = true; }
  ~Quiet() { f_.quiet = was_; }

 private:
  Findings& f_;
  bool was_;
};

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
    const bool known = c_.scan.integer(count) == MapScanner::Number::kOk;
    if (!known) {
      // Said once; the events are read on to the end of the file.
      c_.findings.error(line, "event count: " + quoted(text) + " is not a number");
      c_.scan.skipLine();
      return readToTheEnd();
    }
    if (count < 0)
      c_.findings.error(line, "event count " + std::to_string(count) + " is negative");
    else if (firstLabelInstead(text, line))
      return readToTheEnd();
    for (int32_t e = 0; e < count; ++e) {
      Word label;
      if (!nextLabel(label)) {
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
  // A command right after the count, and the count's number closing the first event: the
  // count is missing and the number read for it is the first event's label. (With another
  // number closing it, the first event's label is missing instead.)
  bool firstLabelInstead(const std::string& count, int line) {
    const MapScanner::Mark mark = c_.scan.mark();
    std::string after;
    int afterLine = 0;
    bool closedByCount = false;
    if (c_.scan.token(after, afterLine) && world::findEventKeyword(after))
      for (std::string row; c_.scan.restOfLine(row) != LineEnd::kEnd;) {
        MapScanner words(row);
        std::string first, second;
        int ignored = 0;
        if (words.token(first, ignored) && allDigits(first) && !words.token(second, ignored)) {
          closedByCount = first == count;
          break;
        }
      }
    c_.scan.reset(mark);
    if (!closedByCount) return false;
    c_.findings.error(line, "the event count is missing: " + quoted(count) +
                                " is read as the count, and " + quoted(after) +
                                " as the first event's label");
    pending_ = {count, line};
    return true;
  }

  // The next event's label; the last one's closing label given twice is said and passed.
  bool nextLabel(Word& label) {
    if (!next(label)) return false;
    if (label.text != closedLabel_ || label.line != closedLine_ + 1 || !labelFollowsAlone())
      return true;
    c_.findings.error(label.line, "closing label " + quoted(label.text) + " is given twice");
    return next(label);
  }

  // The next word is a number alone on its line.
  bool labelFollowsAlone() {
    if (!pending_.text.empty()) return false;
    const MapScanner::Mark mark = c_.scan.mark();
    std::string word, rest;
    int line = 0;
    const bool found = c_.scan.token(word, line) && allDigits(word) && !c_.scan.tokenOnLine(rest);
    c_.scan.reset(mark);
    return found;
  }

  // With the count unknown, every event up to the end of the file.
  bool readToTheEnd() {
    Word label;
    while (nextLabel(label))
      if (!event(label)) return false;
    return true;
  }

  // The next token; a number's unread rest comes first, as the game reads it again.
  bool next(Word& w) {
    previousLine_ = lastLine_;
    if (!pending_.text.empty()) {
      w = pending_;
      pending_ = {};
    } else if (!c_.scan.token(w.text, w.line)) {
      return false;
    }
    lastLine_ = w.line;
    return true;
  }

  // After a fault on this line the reading goes on at the next: the rest of this one is
  // passed over, unless it holds the event's closing label. A word already read from a
  // later line is kept.
  void skipRestOfLine(int line) {
    if (!pending_.text.empty() && pending_.line > line) return;
    pending_ = {};
    if (c_.scan.line() != line) return;
    std::string word;
    while (c_.scan.tokenOnLine(word))
      if (word == label_) {
        pending_ = {word, line};
        return;
      }
  }

  // A command where a label should be: the event's opening label is missing. Its commands
  // are read up to the next number alone on its line, taken for its closing label.
  bool eventWithoutLabel(const Word& first) {
    c_.findings.error(first.line, "an event's label is missing: " + quoted(first.text) +
                                      " stands where its label should");
    label_.clear();
    number_ = -1;
    for (Word w = first;;) {
      const Flow flow = command(w);
      if (flow == Flow::kFileEnded) return false;
      if (flow == Flow::kStopped) return false;
      if (!next(w)) return false;
      std::string rest;
      const MapScanner::Mark mark = c_.scan.mark();
      const bool alone = pending_.text.empty() && !c_.scan.tokenOnLine(rest);
      c_.scan.reset(mark);
      if (allDigits(w.text) && alone) {
        const int32_t n = world::decimalValue(w.text.c_str());
        if (n <= kMaxEvent) c_.facts.events.emplace(n, w.line);
        return true;
      }
    }
  }

  bool event(const Word& label) {
    if (world::findEventKeyword(label.text)) return eventWithoutLabel(label);
    label_ = label.text;
    const bool fits = c_.checkLength("label", label.text, kLabelBytes, label.line);
    number_ = world::decimalValue(label.text.c_str());
    if (!fits) {
      // Said once: the label's number is no help while the label does not fit.
    } else if (number_ < 0 || number_ > kMaxEvent) {
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
      if (w.text == label.text) {
        closedLabel_ = w.text;
        closedLine_ = w.line;
        if (commands > 0 || !commandFollows()) return true;
        // An empty event with commands after it: the label is written twice.
        c_.findings.error(w.line, "label " + quoted(label.text) +
                                      " is given twice: the game closes the event here");
        continue;
      }
      if (++commands == kMaxCommands + 1)
        c_.findings.error(w.line,
                          "event " + std::to_string(number_) + " has more than 199 commands");
      const Flow flow = command(w);
      if (flow == Flow::kFileEnded) return unclosed(label);
      if (flow == Flow::kStopped) return false;
      if (flow == Flow::kClosed) return true;
    }
  }

  bool unclosed(const Word& label) {
    c_.findings.error(label.line, "event " + std::to_string(number_) +
                                      " is not closed: the file ends before its closing label " +
                                      quoted(label.text));
    return false;
  }

  // A number alone on its line where a command should be is a label: this event's closing
  // label mistyped when another label or the end follows, else the next event's opening
  // label after a closing label that is missing.
  Flow labelInPlaceOfCommand(const Word& w) {
    const MapScanner::Mark mark = c_.scan.mark();
    std::string after;
    int afterLine = 0;
    const bool more = c_.scan.token(after, afterLine);
    c_.scan.reset(mark);
    if (!more || allDigits(after)) {
      if (!allDigits(label_)) {
        // The opening label is the one mistyped: the closing one gives the event's number.
        c_.findings.error(w.line, "event " + quoted(w.text) + " is opened by " + quoted(label_) +
                                      ", not by its number");
        c_.facts.events.emplace(world::decimalValue(w.text.c_str()), w.line);
        return Flow::kClosed;
      }
      c_.findings.error(w.line, "event " + std::to_string(number_) + " is closed by " +
                                    quoted(w.text) + ", not by its label " + quoted(label_));
      return Flow::kClosed;
    }
    c_.findings.error(w.line,
                      "event " + std::to_string(number_) + " is not closed: " + quoted(w.text) +
                          " starts another event before its closing label " + quoted(label_));
    pending_ = w;
    return Flow::kClosed;
  }

  // A word that is no keyword: said once, and the reading goes on at the next line, or
  // after the text block that follows it, or as the keyword it is near, so that what the
  // command names still counts.
  Flow unknownCommand(const Word& w) {
    if (previousLine_ < w.line && pending_.text.empty()) {
      std::string rest;
      const MapScanner::Mark mark = c_.scan.mark();
      const bool alone = !c_.scan.tokenOnLine(rest);
      c_.scan.reset(mark);
      if (alone && allDigits(w.text)) return labelInPlaceOfCommand(w);
      if (alone && nearestWord(w.text, eventKeywords()).empty() &&
          ((label_.size() > 1 && editDistance(w.text, label_) == 1) || labelFollows() ||
           atTheEnd())) {
        c_.findings.error(w.line, "event " + std::to_string(number_) + " is closed by " +
                                      quoted(w.text) + ", not by its label " + quoted(label_));
        return Flow::kClosed;
      }
    }
    const std::string meant = nearestWord(w.text, eventKeywords());
    const bool block = meant.empty() && textBlockFollows(w.line);
    c_.findings.error(w.line,
                      "unknown command " + quoted(w.text) +
                          (block ? " (the lines after it, up to the '}' line, are taken for a "
                                   "text block)"
                                 : " (the event ends here when it runs)"),
                      meant.empty() ? "" : shown(meant));
    if (block) {
      // The lines up to and with the '}' line are passed over.
      for (std::string row; c_.scan.restOfLine(row) != LineEnd::kEnd && row != "}";) {
      }
      pending_ = {};
      return Flow::kGoOn;
    }
    if (meant.empty()) {
      skipRestOfLine(w.line);
      return Flow::kGoOn;
    }
    // Flags, jumps and maps that it names count for the checks after the reading.
    const world::EventKeyword* cmd = world::findEventKeyword(meant);
    Flow flow;
    {
      Quiet quiet(c_.findings);
      flow = command(*cmd, w);
    }
    if (flow == Flow::kGoOn && cmd->op != world::kOpText) skipRestOfLine(w.line);
    return flow;
  }

  bool atTheEnd() {
    if (!pending_.text.empty()) return false;
    const MapScanner::Mark mark = c_.scan.mark();
    const bool end = !c_.scan.skipBlanks();
    c_.scan.reset(mark);
    return end;
  }

  bool commandFollows() {
    if (!pending_.text.empty()) return false;
    const MapScanner::Mark mark = c_.scan.mark();
    std::string after;
    int line = 0;
    const bool found = c_.scan.token(after, line) && world::findEventKeyword(after);
    c_.scan.reset(mark);
    return found;
  }

  // The next word is a number alone on its line and a command follows it: an event's
  // label, so the unknown word alone on its line before it is this event's closing label.
  bool labelFollows() {
    const MapScanner::Mark mark = c_.scan.mark();
    std::string label, rest, after;
    int line = 0;
    const bool found = c_.scan.token(label, line) && allDigits(label) &&
                       !c_.scan.tokenOnLine(rest) && c_.scan.token(after, line) &&
                       world::findEventKeyword(after);
    c_.scan.reset(mark);
    return found;
  }

  // Lines up to a '}' line before any command or the closing label: the word is the
  // keyword or a word of a text block whose keyword is far off or missing.
  bool textBlockFollows(int line) {
    if (!pending_.text.empty() || c_.scan.line() != line) return false;
    const MapScanner::Mark mark = c_.scan.mark();
    c_.scan.skipLine();
    bool block = false;
    for (std::string row;;) {
      const LineEnd end = c_.scan.restOfLine(row);
      if (row == "}") {
        block = true;
        break;
      }
      if (end == LineEnd::kEnd || row == label_ || looksLikeCommand(row)) break;
    }
    c_.scan.reset(mark);
    return block;
  }

  Flow command(const Word& w) {
    const world::EventKeyword* cmd = world::findEventKeyword(w.text);
    if (!cmd) return unknownCommand(w);
    return command(*cmd, w);
  }

  // How many words a keyword takes comes with it; what they mean follows from what it does.
  Flow command(const world::EventKeyword& keyword, const Word& w) {
    const world::EventKeyword* cmd = &keyword;
    cmd_ = shown(cmd->word);
    cmdLine_ = w.line;
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
        bool ok = false;
        const Flow flow = actorSlot(&ok);
        return flow == Flow::kGoOn && ok ? walkFrames() : flow;
      }
      case world::kOpIcon:
        return icon();
      case world::kOpFlag:
        return flag();
      case world::kOpIf:
        return condition();
      case world::kOpVisual:
        return fileName(c_.facts.visuals, "cut-scene name");
      case world::kOpWarp:
        return warp();
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
      // On a line of its own the word is most likely the next command, left without the
      // number before it; on the command's line it is taken for the number.
      if (w.line > cmdLine_)
        pending_ = w;
      else
        skipRestOfLine(w.line);
      return Flow::kGoOn;
    }
    errno = 0;
    const long long v = std::strtoll(t.c_str(), nullptr, 10);
    if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX) {
      c_.findings.error(w.line, std::string(what) + " " + quoted(t) + " is out of range");
      skipRestOfLine(w.line);
      return Flow::kGoOn;
    }
    out = int32_t(v);
    if (ok) *ok = true;
    pending_ = {t.substr(end), w.line};
    line_ = w.line;
    return Flow::kGoOn;
  }

  Flow actorSlot(bool* read = nullptr) {
    int32_t slot = 0;
    bool ok = false;
    const Flow flow = argument("actor slot", slot, &ok);
    if (read) *read = ok;
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
    c_.facts.flagsSet.insert(number);
    return argument("value", value);
  }

  // "만약 플러그 F V E": three tokens taken whole, each by its leading number.
  Flow condition() {
    Word w;
    if (!next(w)) return Flow::kFileEnded;
    if (w.text != world::kIfFlagWord) {
      const bool near = !nearestWord(w.text, {world::kIfFlagWord}).empty();
      c_.findings.error(w.line,
                        "'만약' must be followed by '플러그', not " + quoted(w.text) +
                            " (the event ends here when it runs)",
                        near ? shown(world::kIfFlagWord) : "");
      if (!near) {
        skipRestOfLine(w.line);
        return Flow::kGoOn;
      }
      Quiet quiet(c_.findings);
      return conditionParts();
    }
    return conditionParts();
  }

  // The flag, value and event tokens after "만약 플러그".
  Flow conditionParts() {
    Word parts[3];
    const char* names[3] = {"flag", "value", "event"};
    for (int i = 0; i < 3; ++i) {
      if (!next(parts[i])) return Flow::kFileEnded;
      if (wholeNumber(parts[i].text)) continue;
      if (parts[i].line > cmdLine_) {
        // A word on a later line is most likely the next command.
        c_.findings.error(cmdLine_, std::string("'만약 플러그' needs a flag, a value and an "
                                                "event: the ") +
                                        names[i] + " is missing");
        pending_ = parts[i];
      } else {
        c_.findings.error(parts[i].line, std::string("'만약 플러그' ") + names[i] + " " +
                                             quoted(parts[i].text) + " is not a whole number");
        skipRestOfLine(parts[i].line);
      }
      return Flow::kGoOn;
    }
    const int32_t flag = world::decimalValue(parts[0].text.c_str());
    checkFlag(flag, parts[0].line);
    if (flag >= 0 && flag < kFlagCount) c_.facts.flagsRead.emplace_back(flag, parts[0].line);
    const int32_t target = world::decimalValue(parts[2].text.c_str());
    if (target < 0 || target > kMaxEvent)
      c_.findings.error(parts[2].line,
                        "jump to event " + std::to_string(target) + ", outside 0..100");
    else
      c_.facts.jumps.push_back({number_, target, parts[2].line});
    return Flow::kGoOn;
  }

  Flow warp() {
    Word w;
    if (!next(w)) return Flow::kFileEnded;
    c_.checkLength("map name", w.text, kCellBytes, w.line);
    Warp warp;
    warp.map = {w.text, w.line};
    const Flow flow = argument("the hero's x", warp.x, &warp.hasX);
    warp.xLine = line_;
    c_.facts.warps.push_back(warp);
    return flow;
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
      const MapScanner::Mark mark = c_.scan.mark();
      const LineEnd rowEnd = c_.scan.restOfLine(row);
      if (row == label_ || looksLikeCommand(row)) {
        // The block is read on to the end as the game does, but its '}' line is most
        // likely missing here, and the reading goes on with this line.
        c_.findings.error(keyword.line,
                          "text block is not closed: its '}' line is missing "
                          "before line " +
                              std::to_string(line) + ", which reads as " +
                              (row == label_ ? "the closing label" : "a command"));
        c_.scan.reset(mark);
        break;
      }
      if (row.size() > 2 && row[0] == '}' && isBlank(uint8_t(row[1]))) {
        // A '}' line joined with the next: the block ends, and the rest is read on.
        const std::string afterBrace = row.substr(1);  // the scanner keeps a reference
        MapScanner rest(afterBrace);
        std::string first;
        int ignored = 0;
        rest.token(first, ignored);
        if (first == label_ || allDigits(first) || looksLikeCommand(row.substr(1))) {
          c_.findings.error(line, "the '}' line must hold '}' alone: " + quoted(first) +
                                      " belongs on the next line");
          c_.scan.reset(mark);
          c_.scan.expect('}');
          break;
        }
      }
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
  std::string label_;   // its label
  std::string cmd_;     // the command being read, UTF-8
  int cmdLine_ = 0;     // its line
  int line_ = 0;        // the line of the last number read
  int lastLine_ = 0;
  std::string closedLabel_;  // the last closing label read
  int closedLine_ = 0;       // the line of the last token read
  int previousLine_ = 0;     // and of the one before it
  int textCells_ = 0;
  bool cellsReported_ = false;
};

}  // namespace

bool lintEvents(LintContext& c) { return EventReader(c).read(); }

}  // namespace maplint
