// test_events.cpp -- writing the event keywords, events and text blocks of test maps
#include "support/test_events.h"

#include <cstring>

#include "actors/common_resources.h"
#include "platform/keyboard.h"
#include "shell/scene_cycle.h"
#include "shell/shell_state.h"
#include "world/event_interpreter.h"
#include "world/event_tables.h"

namespace testing_support {

namespace words {
const char* const kHeroHold = "\xC1\xD6\xC0\xCE\xB0\xF8-\xC2\xF7\xB7\xC7";
const char* const kHeroRelease = "\xC1\xD6\xC0\xCE\xB0\xF8-\xBD\xAC\xBE\xEE";
const char* const kHeroFaceLeft = "\xC1\xD6\xC0\xCE\xB0\xF8-\xBF\xDE\xC2\xCA\xBA\xB8\xB1\xE2";
const char* const kHeroFaceRight =
    "\xC1\xD6\xC0\xCE\xB0\xF8-\xBF\xC0\xB8\xA5\xC2\xCA\xBA\xB8\xB1\xE2";
const char* const kHeroMove = "\xC1\xD6\xC0\xCE\xB0\xF8-\xC0\xCC\xB5\xBF";
const char* const kHeroWalkLeft = "\xC1\xD6\xC0\xCE\xB0\xF8-\xC1\xC2\xB7\xCE\xB0\xA1";
const char* const kHeroWalkRight = "\xC1\xD6\xC0\xCE\xB0\xF8-\xBF\xEC\xB7\xCE\xB0\xA1";
const char* const kHeroLookDown = "\xC1\xD6\xC0\xCE\xB0\xF8-\xBE\xC6\xB7\xA1\xBA\xB8\xB1\xE2";
const char* const kHeroLookUp = "\xC1\xD6\xC0\xCE\xB0\xF8-\xC0\xA7\xBF\xA1\xBA\xB8\xB1\xE2";
const char* const kCamera = "\xC4\xAB\xB8\xDE\xB6\xF3-\xBC\xC2";
const char* const kFlag = "\xC7\xC3\xB7\xAF\xB1\xD7";
const char* const kIf = "\xB8\xB8\xBE\xE0";
const char* const kVisual = "\xBA\xF1\xC1\xD6\xBE\xF3\xB8\xF0\xB5\xE5";
const char* const kWarp = "\xBF\xF6\xC7\xC1";
const char* const kIcon = "\xC7\xB3\xBC\xB1\xC2\xEF\xB1\xE2";
const char* const kFaceLeft = "\xBF\xDE\xC2\xCA\xBA\xB8\xB1\xE2";
const char* const kFaceRight = "\xBF\xC0\xB8\xA5\xC2\xCA\xBA\xB8\xB1\xE2";
const char* const kWalkLeft = "\xC1\xC2\xB7\xCE\xB0\xA1";
const char* const kWalkRight = "\xBF\xEC\xB7\xCE\xB0\xA1";
const char* const kVanish = "\xBB\xE7\xB6\xF3\xC1\xF8\xB4\xD9";
const char* const kGameEnd = "\xB0\xD4\xC0\xD3\xB3\xA1";
const char* const kText = "\xB1\xDB\xBE\xBE\xC2\xEF\xB1\xE2";
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
  world::CurrentEvent = e;
  world::CurrentStep = 0;
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
