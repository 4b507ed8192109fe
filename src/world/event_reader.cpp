// event_reader.cpp -- event keywords, their arguments and text blocks, stored step by step
#include "world/event_reader.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "world/event_tables.h"
#include "world/map_messages.h"

namespace world {
namespace {

// What follows a keyword in the file.
enum class Args {
  kNone,
  kA1,    // "%d" into EventArg1
  kA1A2,  // "%d %d" into EventArg1 and EventArg2
  kFlag,  // "%d %d": the flag number as text into EventStr, the value into EventArg1
  kIf,    // "플러그", then flag token, value token and event token
  kName,  // "%s" into EventStr
  kWarp,  // "%s %d": the map name into EventStr, the hero's x into EventArg1
  kText,  // "%s %s", then the text block
};

struct Command {
  const char* word;
  EventOpcode op;
  Args args;
};

// Compared in this order; the first equal keyword wins.
constexpr Command kCommands[] = {
    // 주인공-차렷
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xC2\xF7\xB7\xC7", kOpHeroHold, Args::kNone},
    // 주인공-쉬어
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xBD\xAC\xBE\xEE", kOpHeroRelease, Args::kNone},
    // 주인공-왼쪽보기
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xBF\xDE\xC2\xCA\xBA\xB8\xB1\xE2", kOpHeroFaceLeft, Args::kNone},
    // 주인공-오른쪽보기
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xBF\xC0\xB8\xA5\xC2\xCA\xBA\xB8\xB1\xE2", kOpHeroFaceRight,
     Args::kNone},
    // 주인공-이동
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xC0\xCC\xB5\xBF", kOpHeroMove, Args::kA1},
    // 주인공-좌로가
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xC1\xC2\xB7\xCE\xB0\xA1", kOpHeroWalkLeft, Args::kA1},
    // 주인공-우로가
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xBF\xEC\xB7\xCE\xB0\xA1", kOpHeroWalkRight, Args::kA1},
    // 주인공-아래보기
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xBE\xC6\xB7\xA1\xBA\xB8\xB1\xE2", kOpHeroLookDown, Args::kNone},
    // 주인공-위에보기
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xC0\xA7\xBF\xA1\xBA\xB8\xB1\xE2", kOpHeroLookUp, Args::kNone},
    // 카메라-셋
    {"\xC4\xAB\xB8\xDE\xB6\xF3-\xBC\xC2", kOpCamera, Args::kNone},
    // 플러그
    {"\xC7\xC3\xB7\xAF\xB1\xD7", kOpFlag, Args::kFlag},
    // 만약
    {"\xB8\xB8\xBE\xE0", kOpIf, Args::kIf},
    // 비주얼모드
    {"\xBA\xF1\xC1\xD6\xBE\xF3\xB8\xF0\xB5\xE5", kOpVisual, Args::kName},
    // 워프
    {"\xBF\xF6\xC7\xC1", kOpWarp, Args::kWarp},
    // 풍선찍기
    {"\xC7\xB3\xBC\xB1\xC2\xEF\xB1\xE2", kOpIcon, Args::kA1A2},
    // 왼쪽보기
    {"\xBF\xDE\xC2\xCA\xBA\xB8\xB1\xE2", kOpActorFaceLeft, Args::kA1},
    // 오른쪽보기
    {"\xBF\xC0\xB8\xA5\xC2\xCA\xBA\xB8\xB1\xE2", kOpActorFaceRight, Args::kA1},
    // 좌로가
    {"\xC1\xC2\xB7\xCE\xB0\xA1", kOpActorWalkLeft, Args::kA1A2},
    // 우로가
    {"\xBF\xEC\xB7\xCE\xB0\xA1", kOpActorWalkRight, Args::kA1A2},
    // 사라진다
    {"\xBB\xE7\xB6\xF3\xC1\xF8\xB4\xD9", kOpActorVanish, Args::kA1},
    // 게임끝
    {"\xB0\xD4\xC0\xD3\xB3\xA1", kOpGameEnd, Args::kNone},
    // 글씨찍기
    {"\xB1\xDB\xBE\xBE\xC2\xEF\xB1\xE2", kOpText, Args::kText},
};

// The only word that may follow "만약".
constexpr const char* kFlagWord = "\xC7\xC3\xB7\xAF\xB1\xD7";  // 플러그
// The row that closes a text block.
constexpr const char* kBlockEnd = "}";

const Command* commandFor(const char* word) {
  for (const Command& c : kCommands)
    if (std::strcmp(word, c.word) == 0) return &c;
  return nullptr;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// One pass over the event section. A number is taken from the front of a token
// as formatted input takes it; whatever of the token it leaves is read again
// as the next token, so a command whose number does not convert leaves its
// cell at the reset value and its token becomes the next command.
class EventSection {
 public:
  explicit EventSection(MapText& t) : t_(t) {}

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
        EventOps[n][s] = kOpEnd;
        return true;
      }
      if (!readCommand(word, n, s)) return false;
    }
  }

  // A word that is no keyword still takes its step, which keeps the end mark.
  bool readCommand(const char* word, int n, int s) {
    const Command* c = commandFor(word);
    if (!c) return true;
    if (c->args == Args::kIf) return readIf(n, s);
    EventOps[n][s] = c->op;
    switch (c->args) {
      case Args::kA1:
        number(EventArg1[n][s]);
        break;
      case Args::kA1A2:
        if (number(EventArg1[n][s])) number(EventArg2[n][s]);
        break;
      case Args::kFlag: {
        int32_t flag = 0;
        if (number(flag)) number(EventArg1[n][s]);
        std::snprintf(eventStrCell(n, s), kCellSize, "%d", flag);
        break;
      }
      case Args::kName:
        nextToken(eventStrCell(n, s), kCellSize);
        break;
      case Args::kWarp:
        if (nextToken(eventStrCell(n, s), kCellSize)) number(EventArg1[n][s]);
        break;
      case Args::kText:
        return readText(n, s);
      case Args::kNone:
      case Args::kIf:
        break;
    }
    return !t_.failed();
  }

  // Only "만약 플러그" makes a step; any other word after "만약" is used up with it.
  bool readIf(int n, int s) {
    char word[kCellSize], value[kCellSize], target[kCellSize];
    if (!nextToken(word, sizeof word)) return false;
    if (std::strcmp(word, kFlagWord) != 0) return true;
    if (!nextToken(eventStrCell(n, s), kCellSize) || !nextToken(value, sizeof value)) return false;
    EventArg1[n][s] = decimalValue(value);
    if (!nextToken(target, sizeof target)) return false;
    EventArg2[n][s] = decimalValue(target);
    EventOps[n][s] = kOpIf;
    return true;
  }

  // The step holds the block's first row as decimal text; the block is the
  // title, the body lines as they are, and the "}" line.
  bool readText(int n, int s) {
    std::snprintf(eventStrCell(n, s), kCellSize, "%d", TextIndex);
    char discarded[kCellSize];
    if (!freeRow()) return false;
    if (!nextToken(TextLines[TextIndex], kCellSize) || !nextToken(discarded, sizeof discarded) ||
        !t_.lineEnd())
      return false;
    ++TextIndex;
    for (;;) {
      if (!freeRow()) return false;
      char* row = TextLines[TextIndex];
      if (!t_.restOfLine(row, kCellSize)) return false;
      ++TextIndex;
      if (std::strcmp(row, kBlockEnd) == 0) return true;
    }
  }

  bool freeRow() {
    if (TextIndex >= 0 && TextIndex < kTextLineCount) return true;
    return t_.fail(text::kTooManyTextLines);
  }

  MapText& t_;
  std::string pending_;
};

}  // namespace

void readEvents(MapText& text) { EventSection(text).read(); }

}  // namespace world
