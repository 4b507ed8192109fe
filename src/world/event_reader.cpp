// event_reader.cpp -- event keywords, their arguments and text blocks, stored step by step
#include "world/event_reader.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "world/event_language.h"
#include "world/event_tables.h"
#include "world/map_messages.h"

namespace world {
namespace {

// The row that closes a text block.
constexpr const char* kBlockEnd = "}";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// One pass over the event section. A number is taken from the front of a token
// as formatted input takes it; whatever of the token it leaves is read again
// as the next token, so a command whose number does not convert leaves its
// cell at the reset value and its token becomes the next command.
class EventSection {
 public:
  explicit EventSection(MapText& t) : t_(t), tables_(eventTables()), world_(worldState()) {}

  void read() {
    int32_t count = 0;
    if (!t_.integer(count)) return;
    for (int32_t e = 0; e < count; ++e)
      if (!readEvent()) return;
  }

 private:
  bool nextToken(char* out, size_t size) {
    if (t_.failed()) return false;
    if (pending_.empty()) return t_.token(out, size, text::kWordTooLong);
    if (pending_.size() + 1 > size) return t_.fail(text::kWordTooLong);
    std::memcpy(out, pending_.c_str(), pending_.size() + 1);
    pending_.clear();
    return true;
  }

  // False when the token has no leading number (it is kept for the next read)
  // or when the file failed.
  bool number(int32_t& out) {
    char token[kCellSize];
    if (!nextToken(token, sizeof token)) return false;
    const char* p = token + (token[0] == '+' || token[0] == '-');
    const char* digits = p;
    while (isDigit(*p)) ++p;
    if (p == digits) {
      pending_ = token;
      return false;
    }
    errno = 0;
    const long long v = std::strtoll(token, nullptr, 10);
    if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return t_.fail(text::kNoNumber);
    out = int32_t(v);
    pending_ = p;
    return true;
  }

  bool readEvent() {
    char label[kLabelSize];
    if (!nextToken(label, sizeof label)) return false;
    const int32_t n = decimalValue(label);
    if (n < 0 || n >= kEventCount) return t_.fail(text::kEventNumber);
    for (int s = 0;; ++s) {
      char word[kCellSize];
      if (!nextToken(word, sizeof word)) return false;
      // The closing label needs a step of its own too.
      if (s >= kStepCount) return t_.fail(text::kTooManySteps);
      if (std::strcmp(word, label) == 0) {
        tables_.EventOps[n][s] = kOpEnd;
        return true;
      }
      if (!readCommand(word, n, s)) return false;
    }
  }

  // A word that is no keyword still takes its step, which keeps the end mark.
  bool readCommand(const char* word, int n, int s) {
    const EventKeyword* c = findEventKeyword(word);
    if (!c) return true;
    if (c->args == EventArgs::kIf) return readIf(n, s);
    tables_.EventOps[n][s] = c->op;
    switch (c->args) {
      case EventArgs::kArg1:
        number(tables_.EventArg1[n][s]);
        break;
      case EventArgs::kArg1Arg2:
        if (number(tables_.EventArg1[n][s])) number(tables_.EventArg2[n][s]);
        break;
      case EventArgs::kFlag: {
        int32_t flag = 0;
        if (number(flag)) number(tables_.EventArg1[n][s]);
        std::snprintf(eventStrCell(n, s), kCellSize, "%d", flag);
        break;
      }
      case EventArgs::kStr:
        nextToken(eventStrCell(n, s), kCellSize);
        break;
      case EventArgs::kStrArg1:
        if (nextToken(eventStrCell(n, s), kCellSize)) number(tables_.EventArg1[n][s]);
        break;
      case EventArgs::kText:
        return readText(n, s);
      case EventArgs::kNone:
      case EventArgs::kIf:
        break;
    }
    return !t_.failed();
  }

  // Only "만약 플러그" makes a step; any other word after "만약" is used up with it.
  bool readIf(int n, int s) {
    char word[kCellSize], value[kCellSize], target[kCellSize];
    if (!nextToken(word, sizeof word)) return false;
    if (std::strcmp(word, kIfFlagWord) != 0) return true;
    if (!nextToken(eventStrCell(n, s), kCellSize) || !nextToken(value, sizeof value)) return false;
    tables_.EventArg1[n][s] = decimalValue(value);
    if (!nextToken(target, sizeof target)) return false;
    tables_.EventArg2[n][s] = decimalValue(target);
    tables_.EventOps[n][s] = kOpIf;
    return true;
  }

  // The step holds the block's first row as decimal text; the block is the
  // title, the body lines as they are, and the "}" line.
  bool readText(int n, int s) {
    std::snprintf(eventStrCell(n, s), kCellSize, "%d", world_.NextTextLine);
    char discarded[kCellSize];
    if (!freeRow()) return false;
    if (!nextToken(tables_.TextLines[world_.NextTextLine], kCellSize) ||
        !nextToken(discarded, sizeof discarded) || !t_.lineEnd())
      return false;
    ++world_.NextTextLine;
    for (;;) {
      if (!freeRow()) return false;
      char* row = tables_.TextLines[world_.NextTextLine];
      if (!t_.restOfLine(row, kCellSize)) return false;
      ++world_.NextTextLine;
      if (std::strcmp(row, kBlockEnd) == 0) return true;
    }
  }

  bool freeRow() {
    if (world_.NextTextLine >= 0 && world_.NextTextLine < kTextLineCount) return true;
    return t_.fail(text::kTooManyTextLines);
  }

  MapText& t_;
  EventTables& tables_;
  WorldState& world_;
  std::string pending_;
};

}  // namespace

void readEvents(MapText& text) { EventSection(text).read(); }

}  // namespace world
