// fault_world.cpp -- the fault tests' game and its headless runs
#include "faults/fault_world.h"

#include <regex>

#include "common/data_formats.h"
#include "support/engine_fixture.h"
#include "support/game_run.h"
#include "support/test_events.h"
#include "support/test_maps.h"

namespace faults {

using namespace testing_support;
using namespace testing_support::words;

void writeFaultWorld() {
  writeStartUpData();
  writeHeroPack();
  writeSolidPack("MAN", 10, 40, 30, 60);
  writeSolidPack("cursor", 3, 8, 8, 50);
  writeSolidPack("bubble", 48, 16, 12, 150);
  writeMapPicture("20");
  writeFarPicture();
  writeFile("grim/bar.res", std::string(20160, '\x09'));
  TestActor man;
  man.name = "man";
  man.x = "400.0";
  writeFile("map/20.if",
            mapText("20", "first", {man},
                    eventSection({eventText(
                        "99", {textBlock("t", {"abc"}), std::string(kHeroWalkRight) + " 40",
                               std::string(kWarp) + " 30 300"})})));
  writeFile("map/30.if", mapText("20", "second", {},
                                 eventSection({eventText("99", {std::string(kVisual) + " v",
                                                                std::string(kGameEnd)})})));
  writeFile("visual/v.if",
            "pic\r\nabcdefghijklmnopqrst\r\n#\xB3\xA1\r\n");  // #끝
  std::string picture(common::kCutScenePictureBytes, '\0');
  for (size_t i = 0; i < picture.size(); ++i)
    picture[i] = char(i % common::kCutScenePictureWidth % 200 + 40);
  writeFile("grim/pic.res", picture);
  writeFile("grim/pic.pal", std::string(768, '\x60'));
  writeFile("1.mp3", testMusic(300));  // 7.8 seconds
  writeFile("talk.keys", "60 SPACE down\n61 SPACE up\n");
}

GameRun runHeadless(const std::vector<std::string>& more) {
  std::vector<std::string> args = {"--headless", "--input", "talk.keys", "--dump", "s.json"};
  args.insert(args.end(), more.begin(), more.end());
  std::filesystem::remove("s.json");
  GameRun run;
  run.status = runGame(std::filesystem::current_path(), args, &run.errors);
  run.dump = readFile("s.json");
  return run;
}

double number(const std::string& text, const std::string& key) {
  std::smatch m;
  const std::regex re("\"" + key + "\": (-?[0-9.e+-]+)");
  return std::regex_search(text, m, re) ? std::stod(m[1]) : -999;
}

std::string object(const std::string& dump, const std::string& key) {
  const size_t at = dump.find("\"" + key + "\": {");
  if (at == std::string::npos) return "";
  return dump.substr(at, dump.find('}', at) - at + 1);
}

}  // namespace faults
