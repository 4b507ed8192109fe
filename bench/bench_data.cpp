// bench_data.cpp -- choosing the demo data, or writing a busy synthetic map with its pictures
#include "bench_data.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <vector>

#include "common/data_formats.h"
#include "platform/encoding.h"
#include "world/behaviour_keywords.h"
#include "world/event_language.h"

namespace bench {
namespace {

namespace fs = std::filesystem;

// The behaviour and event keywords of map files, in code page 949.
const std::string kStand = world::behaviourKeyword(actors::kStepStand);
const std::string kGoLeft = world::behaviourKeyword(actors::kStepWalkLeft);
const std::string kGoRight = world::behaviourKeyword(actors::kStepWalkRight);
const std::string kSpeak = world::behaviourKeyword(actors::kStepSpeak);
const std::string kText = world::eventKeyword(world::kOpText);

std::string cp949(const char* utf8) { return platform::utf8ToCp949(utf8); }

void writeFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The largest map file of the folder, or "" when it has none.
std::string largestMap(const fs::path& dir) {
  std::string best;
  uintmax_t bestSize = 0;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(dir / "map", ec)) {
    if (e.path().extension() != ".if" || !e.is_regular_file()) continue;
    const uintmax_t size = e.file_size();
    if (best.empty() || size > bestSize) {
      best = e.path().stem().string();
      bestSize = size;
    }
  }
  return best;
}

// A figure in an oval, 255 (transparent) around it; frame f shifts its colours.
void writeFigurePack(const fs::path& dir, const std::string& name, int frames, int w, int h,
                     int base) {
  std::string index = std::to_string(frames), pixels;
  for (int f = 0; f < frames; ++f) {
    index += "\r\n" + std::to_string(w) + " " + std::to_string(h);
    for (int r = 0; r < h; ++r)
      for (int c = 0; c < w; ++c) {
        const double dx = (c - w / 2.0) / (w / 2.0), dy = (r - h / 2.0) / (h / 2.0);
        pixels += char(dx * dx + dy * dy <= 1.0 ? base + (f + r / 8) % 12 : 255);
      }
  }
  writeFile(dir / "grim" / (name + ".idx"), index + "\r\n");
  writeFile(dir / "grim" / (name + ".res"), pixels);
}

// Sky (transparent, so the far layer shows) over houses and ground.
void writeMapPicture(const fs::path& path) {
  constexpr int kWidth = common::kMapPictureWidth;
  std::string bytes(common::kMapPictureBytes, '\0');
  for (int r = 0; r < common::kMapPictureHeight; ++r)
    for (int c = 0; c < kWidth; ++c) {
      const bool house = (c / 80) % 3 != 0 && r > 90 - 20 * ((c / 80) % 2);
      bytes[size_t(r) * kWidth + c] = char(r < 60 || (!house && r < 150) ? 255 : 20 + (c + r) % 40);
    }
  writeFile(path, bytes);
}

std::string gradient(size_t bytes, int width, int base, int span) {
  std::string s(bytes, '\0');
  for (size_t i = 0; i < bytes; ++i) s[i] = char(base + (i % width + i / width) % span);
  return s;
}

// Colours for every index and a mixing table of means, as mkpal would make them.
std::string syntheticPalette() {
  std::string bytes;
  for (int i = 0; i < 256; ++i) {
    bytes += char(i);
    bytes += char((i * 7) % 256);
    bytes += char(255 - i);
  }
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b) bytes += char((a + b) / 2);
  return bytes;
}

std::string actorRecord(int i) {
  const std::string speech = i % 3 == 0 ? cp949(" 눈이 많이 오네요") : cp949(" 안녕하세요!");
  std::string s = "villager" + std::to_string(i) + " ," + std::to_string(30 * i + 15) +
                  ".5 ,288 ,1.1 ,VILLAGER ," + std::to_string(i % 4 == 0 ? 40 : 0) + " ," +
                  std::to_string(i % 2) + " ,0\r\n";
  s += "4\r\n" + kGoRight + " " + std::to_string(50 + i % 5 * 10) + "\r\n" + kSpeak + speech +
       "\r\n" + kGoLeft + " " + std::to_string(50 + i % 7 * 10) + "\r\n" + kStand + " 20\r\n";
  return s;
}

std::string textEvent(int number, const char* title) {
  const std::string label = std::to_string(number);
  std::string s = label + "\r\n" + kText + " " + cp949(title) + " -\r\n";
  s += cp949("눈이 그치지 않는 마을에 오신 것을 환영합니다.") + "\r\n";
  s += cp949("촌장님 댁은 언덕 위, 우물 옆에 있어요.") + "\r\n";
  s += cp949("길이 미끄러우니 천천히 걸으세요. 그럼 또 봐요!") + "\r\n";
  return s + "}\r\n" + label + "\r\n";
}

std::string syntheticMap() {
  constexpr int kActors = 40;
  std::string s = "20\r\n" + cp949("눈 덮인 마을") + "\r\n" + std::to_string(kActors) + "\r\n";
  for (int i = 0; i < kActors; ++i) s += actorRecord(i);
  return s + "2\r\n" + textEvent(99, "촌장") + textEvent(40, "마을사람");
}

void copyIfThere(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::exists(from)) fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
}

}  // namespace

BenchData writeSyntheticData(const fs::path& dir, const fs::path& demoDir) {
  BenchData d;
  d.synthetic = true;
  d.busiestMap = "20";
  d.dir = fs::absolute(dir);
  fs::remove_all(d.dir);
  const fs::path grim = d.dir / "grim";
  fs::create_directories(grim);
  writeFile(grim / "pal.pal", syntheticPalette());
  copyIfThere(demoDir / "grim" / "pal.pal", grim / "pal.pal");
  for (const char* font : {"EngFont.fnt", "HanFont.fnt", "han.inf"}) {
    copyIfThere(fs::path(PELMO_SOURCE_DIR) / "content" / "fonts" / font, grim / font);
    copyIfThere(demoDir / "grim" / font, grim / font);
  }
  writeFigurePack(d.dir, "CHAR1", 12, 40, 50, 100);
  writeFigurePack(d.dir, "VILLAGER", 12, 40, 56, 60);
  writeFigurePack(d.dir, "cursor", 3, 8, 8, 50);
  writeFigurePack(d.dir, "bubble", 48, 16, 12, 150);
  writeFile(grim / "bg.res", gradient(common::kFarBytes, common::kFarWidth, 30, 60));
  writeFile(grim / "bar.res", gradient(common::kStatusBarBytes, common::kStatusBarWidth, 120, 20));
  writeMapPicture(d.dir / "map" / "20.res");
  writeFile(d.dir / "map" / "20.if", syntheticMap());
  return d;
}

BenchData prepareData(const fs::path& demoDir, bool needsFirstMap) {
  const std::string busiest = largestMap(demoDir);
  const bool usable = !busiest.empty() && (!needsFirstMap || fs::exists(demoDir / "map" / "20.if"));
  if (!usable)
    return writeSyntheticData(
        fs::temp_directory_path() / ("pelmo_bench_" + std::to_string(::getpid())), demoDir);
  BenchData d;
  d.dir = fs::absolute(demoDir);
  d.busiestMap = busiest;
  return d;
}

void removeSyntheticData(const BenchData& data) {
  std::error_code ec;
  if (data.synthetic) fs::remove_all(data.dir, ec);
}

std::string describe(const BenchData& data) {
  return (data.synthetic ? "synthetic data (no demo maps yet) in " : "demo data in ") +
         data.dir.string() + ", busiest map \"" + data.busiestMap + "\"";
}

}  // namespace bench
