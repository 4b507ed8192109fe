// event_language.h -- the event keywords of map files: their bytes, opcodes and arguments
#pragma once

#include <cstdint>
#include <string_view>

namespace world {

// What a step does; kOpEnd is also the reset value, so an unwritten step ends its event.
enum EventOpcode : int32_t {
  kOpEnd = -1,
  kOpText = 1,
  kOpFlag = 2,
  kOpIf = 3,
  kOpVisual = 9,
  kOpWarp = 10,
  kOpIcon = 11,
  kOpActorFaceLeft = 12,
  kOpActorFaceRight = 13,
  kOpActorWalkLeft = 14,
  kOpActorWalkRight = 15,
  kOpActorVanish = 16,
  kOpCamera = 91,
  kOpHeroHold = 101,
  kOpHeroRelease = 102,
  kOpHeroFaceLeft = 103,
  kOpHeroFaceRight = 104,
  kOpHeroMove = 105,
  kOpHeroWalkLeft = 106,
  kOpHeroWalkRight = 107,
  kOpHeroLookDown = 108,
  kOpHeroLookUp = 109,
  kOpGameEnd = 200,
};
// Opcodes outside this range are skipped a step at a time.
constexpr int kOpLowest = -1;
constexpr int kOpHighest = 200;

// What follows a keyword in the file, and which of the step's fields (EventArg1,
// EventArg2, EventStr) it fills.
enum class EventArgs {
  kNone,
  kArg1,      // "%d" into EventArg1
  kArg1Arg2,  // "%d %d" into EventArg1 and EventArg2
  kFlag,      // "%d %d": the flag number as decimal text into EventStr, the value into EventArg1
  kIf,        // "플러그", then the flag token into EventStr, the value and the event tokens,
              // each by its leading number, into EventArg1 and EventArg2
  kStr,       // "%s" into EventStr
  kStrArg1,   // "%s %d" into EventStr and EventArg1
  kText,      // "%s %s", then the text block; EventStr holds the block's first row as decimal
};

struct EventKeyword {
  const char* word;  // code page 949
  EventOpcode op;
  EventArgs args;
};

// Compared in this order; the first equal keyword wins.
inline constexpr EventKeyword kEventKeywords[] = {
    // 주인공-차렷
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xC2\xF7\xB7\xC7", kOpHeroHold, EventArgs::kNone},
    // 주인공-쉬어
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xBD\xAC\xBE\xEE", kOpHeroRelease, EventArgs::kNone},
    // 주인공-왼쪽보기
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xBF\xDE\xC2\xCA\xBA\xB8\xB1\xE2", kOpHeroFaceLeft,
     EventArgs::kNone},
    // 주인공-오른쪽보기
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xBF\xC0\xB8\xA5\xC2\xCA\xBA\xB8\xB1\xE2", kOpHeroFaceRight,
     EventArgs::kNone},
    // 주인공-이동
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xC0\xCC\xB5\xBF", kOpHeroMove, EventArgs::kArg1},
    // 주인공-좌로가
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xC1\xC2\xB7\xCE\xB0\xA1", kOpHeroWalkLeft, EventArgs::kArg1},
    // 주인공-우로가
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xBF\xEC\xB7\xCE\xB0\xA1", kOpHeroWalkRight, EventArgs::kArg1},
    // 주인공-아래보기
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xBE\xC6\xB7\xA1\xBA\xB8\xB1\xE2", kOpHeroLookDown,
     EventArgs::kNone},
    // 주인공-위에보기
    {"\xC1\xD6\xC0\xCE\xB0\xF8-\xC0\xA7\xBF\xA1\xBA\xB8\xB1\xE2", kOpHeroLookUp, EventArgs::kNone},
    // 카메라-셋
    {"\xC4\xAB\xB8\xDE\xB6\xF3-\xBC\xC2", kOpCamera, EventArgs::kNone},
    // 플러그
    {"\xC7\xC3\xB7\xAF\xB1\xD7", kOpFlag, EventArgs::kFlag},
    // 만약
    {"\xB8\xB8\xBE\xE0", kOpIf, EventArgs::kIf},
    // 비주얼모드
    {"\xBA\xF1\xC1\xD6\xBE\xF3\xB8\xF0\xB5\xE5", kOpVisual, EventArgs::kStr},
    // 워프
    {"\xBF\xF6\xC7\xC1", kOpWarp, EventArgs::kStrArg1},
    // 풍선찍기
    {"\xC7\xB3\xBC\xB1\xC2\xEF\xB1\xE2", kOpIcon, EventArgs::kArg1Arg2},
    // 왼쪽보기
    {"\xBF\xDE\xC2\xCA\xBA\xB8\xB1\xE2", kOpActorFaceLeft, EventArgs::kArg1},
    // 오른쪽보기
    {"\xBF\xC0\xB8\xA5\xC2\xCA\xBA\xB8\xB1\xE2", kOpActorFaceRight, EventArgs::kArg1},
    // 좌로가
    {"\xC1\xC2\xB7\xCE\xB0\xA1", kOpActorWalkLeft, EventArgs::kArg1Arg2},
    // 우로가
    {"\xBF\xEC\xB7\xCE\xB0\xA1", kOpActorWalkRight, EventArgs::kArg1Arg2},
    // 사라진다
    {"\xBB\xE7\xB6\xF3\xC1\xF8\xB4\xD9", kOpActorVanish, EventArgs::kArg1},
    // 게임끝
    {"\xB0\xD4\xC0\xD3\xB3\xA1", kOpGameEnd, EventArgs::kNone},
    // 글씨찍기
    {"\xB1\xDB\xBE\xBE\xC2\xEF\xB1\xE2", kOpText, EventArgs::kText},
};

// The keyword with these code page 949 bytes, or null.
const EventKeyword* findEventKeyword(std::string_view cp949);

// The keyword that makes op; null for an opcode that no keyword makes.
constexpr const char* eventKeyword(EventOpcode op) {
  for (const EventKeyword& k : kEventKeywords)
    if (k.op == op) return k.word;
  return nullptr;
}

// The only word that may follow "만약": "플러그", the flag keyword.
inline constexpr const char* kIfFlagWord = eventKeyword(kOpFlag);

// The value of a decimal string as the standard string-to-integer conversion
// takes it (leading blanks, a sign, leading digits; 0 when there are none),
// held to the int32 range: how event labels, the tokens after "만약 플러그" and
// the numbers that a step keeps as text in EventStr are read.
int32_t decimalValue(const char* text);

}  // namespace world
