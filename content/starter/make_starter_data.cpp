// make_starter_data.cpp -- writes the smallest playable data folder: palette, far layer, bar, empty map
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
  int r, g, b;
};

// Our own palette: greys, the three snow colours at 16 to 18, a night-sky and village
// range, the counter colour at 90 and the text ramp from white (192) down to ink (207).
std::vector<Rgb> gameColours() {
  std::vector<Rgb> c(256, Rgb{0, 0, 0});
  for (int i = 0; i < 16; ++i) c[size_t(i)] = {i * 17, i * 17, i * 17};
  c[16] = {250, 250, 255};
  c[17] = {200, 208, 225};
  c[18] = {150, 160, 185};
  for (int i = 19; i < 192; ++i) {
    const int k = i - 19, hue = k % 6, level = 40 + (k / 6) * 7;
    const int lo = level / 3;
    const Rgb mix[6] = {{lo, lo, level}, {lo, level, level}, {level, level, lo},
                        {level, lo, lo}, {level, lo + 20, level}, {level, level, level}};
    c[size_t(i)] = mix[hue];
  }
  c[90] = {255, 230, 80};
  for (int i = 0; i < 16; ++i) c[size_t(192 + i)] = {255 - i * 16, 255 - i * 16, 255 - i * 15};
  for (int i = 208; i < 255; ++i) c[size_t(i)] = {(i - 208) * 5, (i - 208) * 3, (i - 208) * 2};
  return c;
}

uint8_t nearest(const std::vector<Rgb>& c, int r, int g, int b) {
  int best = 0, bestDistance = 1 << 30;
  for (int i = 0; i < 255; ++i) {  // 255 is the transparent entry: never a mix result
    const int dr = c[size_t(i)].r - r, dg = c[size_t(i)].g - g, db = c[size_t(i)].b - b;
    const int d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
    if (d < bestDistance) bestDistance = d, best = i;
  }
  return uint8_t(best);
}

bool writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_starter_data DATA_FOLDER\n");
    return 2;
  }
  const std::filesystem::path data = argv[1];
  const auto colours = gameColours();
  std::string palette;
  for (const Rgb& c : colours) palette += {char(c.r), char(c.g), char(c.b)};
  // Mixing entry [a][b]: the colour nearest to the mean of colours a and b.
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b) {
      const Rgb &x = colours[size_t(a)], &y = colours[size_t(b)];
      palette += char(nearest(colours, (x.r + y.r) / 2, (x.g + y.g) / 2, (x.b + y.b) / 2));
    }
  // A night sky for the far layer (the blue hue of the range, darkest at the top) and a
  // plain grey status bar, so that the first map loads without a message.
  std::string sky(800 * 240, '\0');
  for (int row = 0; row < 240; ++row)
    std::fill_n(sky.begin() + row * 800, 800, char(19 + 6 * (row / 30)));
  const bool ok = writeBytes(data / "grim" / "pal.pal", palette) &&
                  writeBytes(data / "grim" / "bg.res", sky) &&
                  writeBytes(data / "grim" / "bar.res", std::string(320 * 63, char(4))) &&
                  writeBytes(data / "map" / "20.if", "20\r\n\r\n0\r\n0\r\n") &&
                  writeBytes(data / "map" / "20.res", std::string(1280 * 177, char(255)));
  if (!ok) std::fprintf(stderr, "make_starter_data: cannot write into %s\n", argv[1]);
  return ok ? 0 : 2;
}
