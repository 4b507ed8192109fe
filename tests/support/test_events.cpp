// test_events.cpp -- writing the event keywords, events and text blocks of test maps
#include "support/test_events.h"

#include <cstring>

#include "actors/common_resources.h"
#include "platform/keyboard.h"
#include "shell/scene_cycle.h"
#include "shell/shell_state.h"
#include "world/event_interpreter.h"
#include "world/event_language.h"
#include "world/event_tables.h"

namespace testing_support {

namespace words {
// The engine's own keyword table; the maplint tests spell the keywords out in UTF-8.
constinit const char* const kHeroHold = world::eventKeyword(world::kOpHeroHold);
constinit const char* const kHeroRelease = world::eventKeyword(world::kOpHeroRelease);
constinit const char* const kHeroFaceLeft = world::eventKeyword(world::kOpHeroFaceLeft);
constinit const char* const kHeroFaceRight = world::eventKeyword(world::kOpHeroFaceRight);
constinit const char* const kHeroMove = world::eventKeyword(world::kOpHeroMove);
constinit const char* const kHeroWalkLeft = world::eventKeyword(world::kOpHeroWalkLeft);
constinit const char* const kHeroWalkRight = world::eventKeyword(world::kOpHeroWalkRight);
constinit const char* const kHeroLookDown = world::eventKeyword(world::kOpHeroLookDown);
constinit const char* const kHeroLookUp = world::eventKeyword(world::kOpHeroLookUp);
constinit const char* const kCamera = world::eventKeyword(world::kOpCamera);
constinit const char* const kFlag = world::eventKeyword(world::kOpFlag);
constinit const char* const kIf = world::eventKeyword(world::kOpIf);
constinit const char* const kVisual = world::eventKeyword(world::kOpVisual);
constinit const char* const kWarp = world::eventKeyword(world::kOpWarp);
constinit const char* const kIcon = world::eventKeyword(world::kOpIcon);
constinit const char* const kFaceLeft = world::eventKeyword(world::kOpActorFaceLeft);
constinit const char* const kFaceRight = world::eventKeyword(world::kOpActorFaceRight);
constinit const char* const kWalkLeft = world::eventKeyword(world::kOpActorWalkLeft);
constinit const char* const kWalkRight = world::eventKeyword(world::kOpActorWalkRight);
constinit const char* const kVanish = world::eventKeyword(world::kOpActorVanish);
constinit const char* const kGameEnd = world::eventKeyword(world::kOpGameEnd);
constinit const char* const kText = world::eventKeyword(world::kOpText);
}  // namespace words

std::string eventText(const std::string& label, const std::vector<std::string>& commands) {
  std::string s = label + "\r\n";
  for (const auto& c : commands) s += c + "\r\n";
  return s + label + "\r\n";
}

std::string eventSection(const std::vector<std::string>& events) {
  std::string s = std::to_string(events.size()) + "\r\n";
  for (const auto& e : events) s += e;
  return s;
}

std::string textBlock(const std::string& title, const std::vector<std::string>& rows) {
  std::string s = std::string(words::kText) + " " + title + " -\r\n";
  for (const auto& r : rows) s += r + "\r\n";
  return s + "}";
}

std::string waitingEvent(int number) {
  return eventText(std::to_string(number), {textBlock("wait", {})});
}

void writeConversationWorld() {
  using namespace words;
  writeStageData("village");
  TestActor kim;
  kim.name = "kim";
  kim.x = "72.0";
  kim.eventNumber = 5;
  const std::string first =
      eventSection({eventText("99", {kHeroFaceRight}),
                    eventText("5", {textBlock("Kim", {"hi"}), textBlock("Kim", {"bye"}),
                                    std::string(kFlag) + " 3 1", std::string(kWarp) + " 30 600"})});
  writeFile("map/20.if", mapText("village", "first", {kim}, first));
  const std::string second = eventSection(
      {eventText("99", {std::string(kIf) + " " + kFlag + " 3 1 7"}), eventText("7", {kGameEnd})});
  writeFile("map/30.if", mapText("village", "second", {}, second));
  writeFile("talk.keys",
            "55 SPACE down\n56 SPACE up\n65 SPACE down\n66 SPACE up\n75 SPACE down\n"
            "76 SPACE up\n");
}

void EventWorldTest::SetUp() {
  EngineTest::SetUp();
  startEngine();
  writeStageData("w");
  writeSolidPack("bubble", 48, 16, 12, 150);
  actors::loadCommonResources();
}

void EventWorldTest::startMap(const std::string& events, const std::vector<TestActor>& actors) {
  writeFile("map/w.if", mapText("w", "caption", actors, events));
  std::strcpy(shell::shellState().MapName, "w");
  shell::beginScene();
}

void EventWorldTest::startEvent(int e) {
  world::worldState().CurrentEvent = e;
  world::worldState().CurrentStep = 0;
}

void EventWorldTest::steps(int n) {
  for (int i = 0; i < n; ++i) world::runEventStep();
}

void EventWorldTest::frames(int n) {
  for (int i = 0; i < n; ++i) ASSERT_TRUE(shell::runFrame());
}

void EventWorldTest::useKeys(const std::string& script) {
  writeFile("in.keys", script);
  std::string error;
  ASSERT_TRUE(platform::useKeyScript("in.keys", error)) << error;
}

}  // namespace testing_support
