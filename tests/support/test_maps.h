// test_maps.h -- small map files, pictures, sprite packs and music written by tests
#pragma once

#include <string>
#include <vector>

namespace testing_support {

// The behaviour keywords of map files, in code page 949, from the engine's table.
extern const char* const kStandWord;    // 서있기
extern const char* const kGoLeftWord;   // 왼쪽으로가기
extern const char* const kGoRightWord;  // 오른쪽으로가기
extern const char* const kPictureWord;  // 그림찍기
extern const char* const kSpeakWord;    // 말하기

// One actor record: its line and its behaviour entries (each "keyword param" or
// "keyword text" for speech), with CR LF line ends.
struct TestActor {
  std::string name = "a";
  std::string x = "100.0";
  int baseY = 288;
  std::string speed = "1.3";
  std::string pack = "MAN";
  int eventNumber = 0;
  int facing = 0;
  int mode = 0;
  std::vector<std::string> steps;
};

// A whole map file: background name, caption, actors, then the event section
// (its count line included; empty by default).
std::string mapText(const std::string& background, const std::string& caption,
                    const std::vector<TestActor>& actors, const std::string& events = "0\r\n");
std::string actorText(const TestActor& actor);

// A sprite pack of frames w x h, frame f filled with colour base + f.
void writeSolidPack(const std::string& name, int frames, int w, int h, int base);
// The hero's pack "CHAR1": 12 frames of 40 x 50 in colours 100 to 111.
void writeHeroPack();
// "map/<name>.res": column c holds c mod 200 + 20 (never 255), except that the
// columns given as holes are 255 (transparent) in every row.
void writeMapPicture(const std::string& name, const std::vector<int>& holes = {});
// "grim/bg.res": column c of row r holds (c + r) mod 200 + 30.
void writeFarPicture();
int mapPixel(int column);
int farPixel(int column, int row);

// The packs and pictures of a test map with people, besides its map file: the hero's pack,
// "MAN" (10 frames of 40 x 30 in colours 60 to 69), "cursor" (3 frames of 8 x 8 in colours
// 50 to 52), the map picture "map/<picture>.res" (writeMapPicture), the far layer and a
// status bar of colour 9.
void writeStageData(const std::string& picture);

// The least that the game loads without a message: the first map "20" (no
// actors, no events, a wholly transparent picture), a far layer and a status
// bar of colour 0, so that the view stays colour 0 but for snow and text.
void writeWorldData();

// "map/<name>.if" with no actors and no events, and its picture "map/<name>.res", wholly
// transparent.
void writeEmptyMap(const std::string& name);

// count frames of MPEG 1 layer III at 128 kbit/s and 44.1 kHz, 417 bytes each, all zero but
// for their headers.
std::string testMusic(int count);

// Map "20" (picture "village", caption 눈마을) with a walker going right and left from
// x 200 and, at x 600.5, a touch-trigger talker with event 40 that says "hi"; with the
// hero and MAN packs, the map picture (holes at 60 and 61) and the far layer. The status
// bar is the caller's.
void writeVillageWorld();

}  // namespace testing_support
