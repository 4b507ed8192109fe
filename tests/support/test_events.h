// test_events.h -- event sections of map files written by tests
#pragma once

#include <string>
#include <vector>

#include "support/engine_fixture.h"
#include "support/test_maps.h"

namespace testing_support {

// The event keywords, in code page 949, from the engine's table.
namespace words {
extern const char* const kHeroHold;       // 주인공-차렷
extern const char* const kHeroRelease;    // 주인공-쉬어
extern const char* const kHeroFaceLeft;   // 주인공-왼쪽보기
extern const char* const kHeroFaceRight;  // 주인공-오른쪽보기
extern const char* const kHeroMove;       // 주인공-이동
extern const char* const kHeroWalkLeft;   // 주인공-좌로가
extern const char* const kHeroWalkRight;  // 주인공-우로가
extern const char* const kHeroLookDown;   // 주인공-아래보기
extern const char* const kHeroLookUp;     // 주인공-위에보기
extern const char* const kCamera;         // 카메라-셋
extern const char* const kFlag;           // 플러그
extern const char* const kIf;             // 만약
extern const char* const kVisual;         // 비주얼모드
extern const char* const kWarp;           // 워프
extern const char* const kIcon;           // 풍선찍기
extern const char* const kFaceLeft;       // 왼쪽보기
extern const char* const kFaceRight;      // 오른쪽보기
extern const char* const kWalkLeft;       // 좌로가
extern const char* const kWalkRight;      // 우로가
extern const char* const kVanish;         // 사라진다
extern const char* const kGameEnd;        // 게임끝
extern const char* const kText;           // 글씨찍기
}  // namespace words

// One event: its label, the commands one a line, the label again; CR LF line ends.
std::string eventText(const std::string& label, const std::vector<std::string>& commands);
// The count line and the events.
std::string eventSection(const std::vector<std::string>& events);
// A text command with its block: the title, the body rows and the "}" row.
std::string textBlock(const std::string& title, const std::vector<std::string>& rows);
// An event that opens a balloon without body rows and so waits for the talk key.
std::string waitingEvent(int number);

// A conversation over two maps, besides the palette and fonts: map "20" (stage data with the
// picture "village") where event 99 turns the hero right and the actor "kim" at x 72, in reach
// of the hero at x 10, starts event 5: two pages, flag 3 = 1 and a warp to map "30" at x 600.
// There event 99 jumps to event 7, the game end, only when flag 3 is 1. The key script
// "talk.keys" presses Space in reads 55, 65 and 75.
void writeConversationWorld();

// The engine started with the hero ("CHAR1", 40 x 50), a map picture, a far
// layer, a status bar, the packs "cursor" (3 frames of 8 x 8 in colours 50 to
// 52), "bubble" (48 frames of 16 x 12 in colours 150 to 197) and "MAN"
// (10 frames of 40 x 30 in colours 60 to 69).
class EventWorldTest : public EngineTest {
 protected:
  void SetUp() override;
  // Loads map "w" with these events and actors as the scene cycle starts a
  // map (event 99 about to run).
  void startMap(const std::string& events, const std::vector<TestActor>& actors = {});
  // Event e from its step 0, as a talk or a jump starts it.
  void startEvent(int e);
  // n calls of the interpreter alone.
  void steps(int n);
  // n frames of the frame loop.
  void frames(int n);
  void useKeys(const std::string& script);
};

}  // namespace testing_support
