// fuzz_world.cpp -- small but complete game data for the targets that run the game
#include "support/fuzz_world.h"

#include "common/data_formats.h"
#include "support/fuzz_engine.h"

namespace fuzzing {

void writeSolidPack(const std::string& name, int frames, int w, int h, int base) {
  std::string index = std::to_string(frames), pixels;
  for (int f = 0; f < frames; ++f) {
    index += " " + std::to_string(w) + " " + std::to_string(h);
    pixels += std::string(size_t(w) * size_t(h), char(base + f));
  }
  writeFile("grim/" + name + ".idx", index);
  writeFile("grim/" + name + ".res", pixels);
}

void writeWorldData() {
  writeSolidPack("CHAR1", 12, 40, 50, 100);
  writeSolidPack("cursor", 3, 8, 8, 50);
  writeSolidPack("bubble", 48, 16, 12, 150);
  writeSolidPack("MAN", 10, 40, 30, 60);
  writeFile("grim/bg.res", std::string(common::kFarBytes, '\x21'));
  writeFile("grim/bar.res", std::string(common::kStatusBarBytes, '\x22'));
  writeFile("map/bg.res", std::string(common::kMapPictureBytes, '\x23'));
  // "#글씨좌표 20 40", a row of text, "#키입력", "#끝".
  writeFile("visual/v.if",
            "pic\r\n#\xB1\xDB\xBE\xBE\xC1\xC2\xC7\xA5 20 "
            "40\r\n\xB4\xAB \xBF\xC2\xB4\xD9\r\n"
            "#\xC5\xB0\xC0\xD4\xB7\xC2\r\n#\xB3\xA1\r\n");
  writeFile("grim/pic.res", std::string(common::kCutScenePictureBytes, '\x05'));
  writeFile("grim/pic.pal", std::string(common::kPaletteColourBytes, '\x40'));
  // 100 frames of MPEG 1 layer III, 128 kbit/s at 44.1 kHz: 2.6 seconds of music.
  std::string frame(417, '\0');
  frame[0] = char(0xFF), frame[1] = char(0xFB), frame[2] = char(0x90);
  std::string music;
  for (int i = 0; i < 100; ++i) music += frame;
  writeFile("1.mp3", music);
}

bool startWorldOnce() {
  startEngineOnce();
  static bool written = false;
  if (written) return false;
  written = true;
  writeWorldData();
  return true;
}

}  // namespace fuzzing
