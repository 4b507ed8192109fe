// test_maps.cpp -- writing the small map files, pictures and packs of the tests
#include "support/test_maps.h"

#include <algorithm>

#include "support/engine_fixture.h"
#include "world/behaviour_keywords.h"

namespace testing_support {

constinit const char* const kStandWord = world::behaviourKeyword(actors::kStepStand);
constinit const char* const kGoLeftWord = world::behaviourKeyword(actors::kStepWalkLeft);
constinit const char* const kGoRightWord = world::behaviourKeyword(actors::kStepWalkRight);
constinit const char* const kPictureWord = world::behaviourKeyword(actors::kStepPicture);
constinit const char* const kSpeakWord = world::behaviourKeyword(actors::kStepSpeak);

std::string actorText(const TestActor& a) {
  std::string s = a.name + " ," + a.x + " ," + std::to_string(a.baseY) + " ," + a.speed + " ," +
                  a.pack + " ," + std::to_string(a.eventNumber) + " ," + std::to_string(a.facing) +
                  " ," + std::to_string(a.mode) + "\r\n";
  s += std::to_string(a.steps.size()) + "\r\n";
  for (const auto& step : a.steps) s += step + "\r\n";
  return s;
}

std::string mapText(const std::string& background, const std::string& caption,
                    const std::vector<TestActor>& actors, const std::string& events) {
  std::string s = background + "\r\n" + caption + "\r\n" + std::to_string(actors.size()) + "\r\n";
  for (const auto& a : actors) s += actorText(a);
  return s + events;
}

void writeSolidPack(const std::string& name, int frames, int w, int h, int base) {
  std::string index = std::to_string(frames), pixels;
  for (int f = 0; f < frames; ++f) {
    index += " " + std::to_string(w) + " " + std::to_string(h);
    pixels += std::string(size_t(w * h), char(base + f));
  }
  writeFile("grim/" + name + ".idx", index);
  writeFile("grim/" + name + ".res", pixels);
}

void writeHeroPack() { writeSolidPack("CHAR1", 12, 40, 50, 100); }

int mapPixel(int column) { return column % 200 + 20; }
int farPixel(int column, int row) { return (column + row) % 200 + 30; }

void writeMapPicture(const std::string& name, const std::vector<int>& holes) {
  std::string bytes(1280 * 177, '\0');
  for (int r = 0; r < 177; ++r)
    for (int c = 0; c < 1280; ++c) {
      const bool hole = std::find(holes.begin(), holes.end(), c) != holes.end();
      bytes[size_t(r * 1280 + c)] = char(hole ? 255 : mapPixel(c));
    }
  writeFile("map/" + name + ".res", bytes);
}

void writeFarPicture() {
  std::string bytes(800 * 240, '\0');
  for (int r = 0; r < 240; ++r)
    for (int c = 0; c < 800; ++c) bytes[size_t(r * 800 + c)] = char(farPixel(c, r));
  writeFile("grim/bg.res", bytes);
}

void writeStageData(const std::string& picture) {
  writeHeroPack();
  writeSolidPack("MAN", 10, 40, 30, 60);
  writeSolidPack("cursor", 3, 8, 8, 50);
  writeMapPicture(picture);
  writeFarPicture();
  writeFile("grim/bar.res", std::string(20160, '\x09'));
}

void writeEmptyMap(const std::string& name) {
  writeFile("map/" + name + ".if", mapText(name, "", {}));
  writeFile("map/" + name + ".res", std::string(1280 * 177, '\xFF'));
}

std::string testMusic(int count) {
  std::string frame(417, '\0');
  frame[0] = char(0xFF), frame[1] = char(0xFB), frame[2] = char(0x90);
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += frame;
  return bytes;
}

void writeWorldData() {
  writeEmptyMap("20");
  writeFile("grim/bg.res", std::string(800 * 240, '\0'));
  writeFile("grim/bar.res", std::string(20160, '\0'));
}

void writeVillageWorld() {
  writeHeroPack();
  writeSolidPack("MAN", 10, 40, 30, 60);
  writeMapPicture("village", {60, 61});
  writeFarPicture();
  TestActor walker;
  walker.name = "walker";
  walker.x = "200.0";
  walker.steps = {std::string(kGoRightWord) + " 10", std::string(kGoLeftWord) + " 10"};
  TestActor talker;
  talker.name = "talker";
  talker.x = "600.5";  // out of the walking hero's way: a touch would start its event
  talker.mode = 2;
  talker.eventNumber = 40;
  talker.steps = {std::string(kSpeakWord) + " hi", std::string(kStandWord) + " 0"};
  writeFile("map/20.if", mapText("village", "\xB4\xAB\xB8\xB6\xC0\xBB", {walker, talker}));
}

}  // namespace testing_support
