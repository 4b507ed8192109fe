// scenarios.cpp -- writes small games for the Windows programs to play beside the Linux ones
//
// Usage: windows_scenarios OUT_FOLDER
// Each OUT_FOLDER/NAME/ holds a data folder and "args", the game's options one a line; the
// Windows test plays each with game.exe under Wine and with the Linux game, and compares
// what they leave behind. OUT_FOLDER/window/ is the game of the window tests.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/data_formats.h"
#include "platform/encoding.h"
#include "support/engine_fixture.h"
#include "support/test_events.h"
#include "support/test_fonts.h"
#include "support/test_maps.h"

namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using namespace testing_support::words;

void writeArgs(const std::vector<std::string>& args) {
  std::string text;
  for (const auto& a : args) text += a + "\n";
  writeFile("args", text);
}

// Silent MPEG-1 layer III frames at 128 kbit/s and 44.1 kHz, padded so that the mean frame
// is 417.96 bytes: each holds 1152 samples, so 402 frames last 10.50 seconds.
std::string silentMp3(int frames) {
  std::string bytes;
  const double mean = 144.0 * 128000 / 44100;
  for (int i = 0; i < frames; ++i) {
    const int size = int((i + 1) * mean) - int(i * mean);
    std::string frame(size_t(size), '\0');
    frame[0] = char(0xFF), frame[1] = char(0xFB), frame[2] = char(size == 418 ? 0x92 : 0x90);
    bytes += frame;
  }
  return bytes;
}

// The starter world, and a map with a walker, a talker and the caption 눈마을.
void writeVillage() {
  writeFile("grim/pal.pal", knownPalette());
  writeTestFonts();
  writeVillageWorld();
  std::string bar;
  for (int i = 0; i < 20160; ++i) bar += char(20 + 30 * ((i % 320) / 40));  // eight bands
  writeFile("grim/bar.res", bar);
}

void fade() {
  writeFile("grim/pal.pal", knownPalette());
  writeTestFonts();
  writeWorldData();
  writeArgs({"--headless", "--frames", "10", "--dump", "s.json", "--shot", "10:a.png"});
}

void startUpFailure() {
  writeTestFonts();
  writeWorldData();
  writeArgs({"--headless", "--dump", "s.json"});
}

void walk() {
  writeVillage();
  writeFile("in.keys", "50 RIGHT down\n110 RIGHT up\n115 LCONTROL down\n118 LCONTROL up\n");
  writeArgs({"--headless", "--seed",   "7",        "--frames",        "140",       "--input",
             "in.keys",    "--record", "rec.keys", "--lose-surfaces", "90",        "--shot",
             "60:a.png",   "--shot",   "91:b.png", "--shot",          "116:c.png", "--shot",
             "140:d.png",  "--dump",   "s.json"});
}

// Space, pressed every 20 frames from frame 56, reads two pages, sets flag 3 and warps to
// map "30", whose entry event ends the game because of the flag.
void events() {
  writeVillage();
  TestActor kim;
  kim.name = "kim";
  kim.x = "72.0";
  kim.eventNumber = 5;
  const std::string hello = platform::utf8ToCp949("안녕하세요");
  const std::string first =
      eventSection({eventText("99", {kHeroFaceRight}),
                    eventText("5", {textBlock("Kim", {hello, "hi"}), textBlock("Kim", {"bye"}),
                                    std::string(kFlag) + " 3 1", std::string(kWarp) + " 30 600"})});
  writeFile("map/20.if", mapText("village", "first", {kim}, first));
  const std::string second = eventSection(
      {eventText("99", {std::string(kIf) + " " + kFlag + " 3 1 7"}), eventText("7", {kGameEnd})});
  writeFile("map/30.if", mapText("village", "second", {}, second));
  std::string keys;
  for (int read = 55; read < 200; read += 20)
    keys += std::to_string(read) + " SPACE down\n" + std::to_string(read + 1) + " SPACE up\n";
  writeFile("talk.keys", keys);
  writeArgs({"--headless", "--frames", "400", "--input", "talk.keys", "--dump", "s.json", "--shot",
             "60:a.png", "--shot", "100:b.png"});
}

// F1 stops the music from read 30, F2 runs it again from read 90.
void music() {
  writeVillage();
  writeFile("1.mp3", silentMp3(402));
  writeFile("in.keys", "30 F1 down\n60 F1 up\n90 F2 down\n");
  writeArgs({"--headless", "--frames", "700", "--input", "in.keys", "--dump", "s.json"});
}

// The entry event plays a cut-scene: its picture, palette and typed Korean text, and a key
// wait that Space ends.
void cutScene() {
  writeVillage();
  std::string palette;
  for (int i = 0; i < common::kPaletteColours; ++i) palette += {char(200), char(100), char(i)};
  writeFile("grim/pic.pal", palette);
  std::string picture;
  for (size_t i = 0; i < common::kCutScenePictureBytes; ++i)
    picture += char(7 + (i / common::kCutScenePictureWidth) % 64);
  writeFile("grim/pic.res", picture);
  writeFile("visual/s.if", platform::utf8ToCp949("pic\r\n눈이 옵니다\r\n#키입력\r\n#끝\r\n"));
  writeFile("in.keys", "150 SPACE down\n160 SPACE up\n");
  writeFile("map/20.if", mapText("village", "first", {},
                                 eventSection({eventText("99", {std::string(kVisual) + " s"})})));
  writeArgs({"--headless", "--frames", "240", "--input", "in.keys", "--dump", "s.json", "--shot",
             "30:a.png", "--shot", "90:b.png", "--shot", "240:c.png"});
}

// The window tests' game: the village with ten and a half seconds of music.
void window() {
  writeVillage();
  writeFile("1.mp3", silentMp3(402));
  writeArgs({});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: windows_scenarios OUT_FOLDER\n", stderr);
    return 2;
  }
  const std::vector<std::pair<const char*, std::function<void()>>> scenarios = {
      {"fade", fade},    {"startup_failure", startUpFailure},
      {"walk", walk},    {"events", events},
      {"music", music},  {"cut_scene", cutScene},
      {"window", window}};
  const fs::path out = fs::absolute(argv[1]);
  for (const auto& [name, write] : scenarios) {
    fs::remove_all(out / name);
    fs::create_directories(out / name);
    fs::current_path(out / name);
    write();
  }
  return 0;
}
