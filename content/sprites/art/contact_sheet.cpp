// contact_sheet.cpp -- every pack's frames, doubled, on snow
#include "art/contact_sheet.h"

#include <algorithm>

#include "common/png_image.h"

namespace art {
namespace {

constexpr int kMargin = 8;
constexpr int kGap = 8;
int perLineFor(int scale) { return scale >= 4 ? 6 : 12; }
constexpr int kLabel = 18;  // the name's line
constexpr int kSnow = 10;   // the ground below the feet
constexpr int kPersonWidth = 40;

struct Rgb8 {
  uint8_t r, g, b;
};
constexpr Rgb8 kSky{0xcf, 0xdb, 0xee}, kGround{0xf8, 0xfa, 0xff}, kBox{0xb4, 0xc0, 0xd6},
    kText{0x30, 0x38, 0x50};

class Picture {
 public:
  Picture(int w, int h) : w_(w), h_(h), rgb_(size_t(w) * size_t(h) * 3, 0) {}
  void put(int x, int y, Rgb8 c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    uint8_t* p = &rgb_[(size_t(y) * size_t(w_) + size_t(x)) * 3];
    p[0] = c.r, p[1] = c.g, p[2] = c.b;
  }
  void fill(int x0, int y0, int w, int h, Rgb8 c) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) put(x, y, c);
  }
  void text(int x, int y, const std::string& s, const std::string& font) {
    if (font.size() < 4096) return;
    for (size_t i = 0; i < s.size(); ++i)
      for (int r = 0; r < 16; ++r) {
        const uint8_t bits = uint8_t(font[size_t(uint8_t(s[i])) * 16 + size_t(r)]);
        for (int k = 0; k < 8; ++k)
          if (bits & (0x80 >> k)) put(x + int(i) * 8 + k, y + r, kText);
      }
  }
  int width() const { return w_; }
  int height() const { return h_; }
  const std::vector<uint8_t>& rgb() const { return rgb_; }

 private:
  int w_, h_;
  std::vector<uint8_t> rgb_;
};

struct LineSize {
  int width = 0, height = 0;
};

// The frames [first, last) of a row side by side.
LineSize lineSize(const Frames& f, size_t first, size_t last, int scale) {
  LineSize s;
  for (size_t i = first; i < last; ++i) {
    s.width += f[i].width() * scale + kGap;
    s.height = std::max(s.height, f[i].height() * scale);
  }
  return s;
}

// Where the line of a row's frames that starts at first ends: perLineFor(scale) frames, or
// fewer wide ones (the bridge) so that no line is wider than one of people.
size_t lineEnd(const Frames& f, size_t first, int scale) {
  const int budget = perLineFor(scale) * (kPersonWidth * scale + kGap);
  int width = 0;
  size_t last = first;
  while (last < f.size() && last - first < size_t(perLineFor(scale))) {
    width += f[last].width() * scale + kGap;
    if (width > budget && last > first) break;
    ++last;
  }
  return last;
}

}  // namespace

bool writeContactSheet(const std::string& path, const std::vector<SheetRow>& rows,
                       const tools::Palette& palette, const std::string& font, int scale,
                       std::string& error) {
  int width = 0, height = kMargin;
  for (const SheetRow& row : rows)
    for (size_t i = 0, last = 0; i < row.frames.size(); i = last) {
      last = lineEnd(row.frames, i, scale);
      const LineSize s = lineSize(row.frames, i, last, scale);
      width = std::max(width, s.width);
      height += (i == 0 ? kLabel : 0) + s.height + kSnow + kGap;
    }
  Picture pic(width + 2 * kMargin, height + kMargin);
  pic.fill(0, 0, pic.width(), pic.height(), kSky);
  int y = kMargin;
  for (const SheetRow& row : rows) {
    pic.text(kMargin, y, row.name + " (" + std::to_string(row.frames.size()) + ")", font);
    y += kLabel;
    for (size_t first = 0, last = 0; first < row.frames.size(); first = last) {
      last = lineEnd(row.frames, first, scale);
      const LineSize s = lineSize(row.frames, first, last, scale);
      const int ground = y + s.height;
      pic.fill(0, ground, pic.width(), kSnow, kGround);
      int x = kMargin;
      for (size_t i = first; i < last; ++i) {
        const Canvas& f = row.frames[i];
        const int top = ground - f.height() * scale;
        // A faint box shows the frame's size.
        for (int k = -1; k <= f.width() * scale; ++k)
          pic.put(x + k, top - 1, kBox), pic.put(x + k, ground, kBox);
        for (int k = -1; k <= f.height() * scale; ++k)
          pic.put(x - 1, top + k, kBox), pic.put(x + f.width() * scale, top + k, kBox);
        for (int fy = 0; fy < f.height(); ++fy)
          for (int fx = 0; fx < f.width(); ++fx) {
            if (!f.opaque(fx, fy)) continue;
            const tools::Rgb c = palette[f.at(fx, fy)];
            pic.fill(x + fx * scale, top + fy * scale, scale, scale, {c.r, c.g, c.b});
          }
        x += f.width() * scale + kGap;
      }
      y = ground + kSnow + kGap;
    }
  }
  return common::writeRgbPng(path, pic.width(), pic.height(), pic.rgb(), error);
}

}  // namespace art
