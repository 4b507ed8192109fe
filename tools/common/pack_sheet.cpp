// pack_sheet.cpp -- a sprite pack as one PNG sheet that authors can paint in
#include "common/pack_sheet.h"

#include <algorithm>
#include <array>

namespace tools {
namespace {

class GuideTest {
 public:
  GuideTest(const common::RgbaImage& sheet, Rgb guide) : sheet_(sheet), guide_(guide) {}
  bool operator()(int x, int y) const {
    if (x < 0 || y < 0 || x >= sheet_.width || y >= sheet_.height) return false;
    const uint8_t* p = &sheet_.rgba[(size_t(y) * size_t(sheet_.width) + size_t(x)) * 4];
    return p[3] >= 128 && Rgb{p[0], p[1], p[2]} == guide_;
  }

 private:
  const common::RgbaImage& sheet_;
  Rgb guide_;
};

std::string at(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

// The box whose top-left corner is (left, 0) and top edge ends at column right.
bool closeBox(const GuideTest& guide, int left, int right, FrameBox& box, std::string& error) {
  if (left == right)
    return error = "the guide pixel at " + at(left, 0) + " is alone; a box's top edge runs " +
                   "from one corner to the other",
           false;
  int bottom = 0;
  while (guide(left, bottom + 1)) ++bottom;
  if (bottom == 0) return error = "the box at " + at(left, 0) + " has no left edge", false;
  for (int y = 0; y <= bottom; ++y)
    if (!guide(right, y))
      return error = "the box at " + at(left, 0) + " is open on the right at " + at(right, y),
             false;
  for (int x = left; x <= right; ++x)
    if (!guide(x, bottom))
      return error = "the box at " + at(left, 0) + " is open at the bottom at " + at(x, bottom),
             false;
  box = FrameBox{left + 1, 1, right - left - 1, bottom - 1};
  return true;
}

struct SheetLayout {
  int width = 0, height = 0;
  std::vector<int> lefts;  // each box's left edge
};

SheetLayout layOut(const std::vector<PackFrame>& frames) {
  SheetLayout layout;
  for (const PackFrame& f : frames) {
    if (!layout.lefts.empty()) ++layout.width;  // the column between two boxes
    layout.lefts.push_back(layout.width);
    layout.width += f.width + 2;
    layout.height = std::max(layout.height, f.height + 2);
  }
  return layout;
}

// Marks the guide on the borders, apart from the 256 palette indices.
constexpr uint16_t kGuideMark = 256;

// Index 255 where nothing is drawn, kGuideMark on the borders, the frames inside.
std::vector<uint16_t> drawSheet(const std::vector<PackFrame>& frames, const SheetLayout& layout) {
  std::vector<uint16_t> sheet(size_t(layout.width) * size_t(layout.height), kTransparentIndex);
  auto put = [&](int x, int y, uint16_t v) {
    sheet[size_t(y) * size_t(layout.width) + size_t(x)] = v;
  };
  for (size_t i = 0; i < frames.size(); ++i) {
    const PackFrame& f = frames[i];
    const int left = layout.lefts[i], right = left + f.width + 1, bottom = f.height + 1;
    for (int x = left; x <= right; ++x) put(x, 0, kGuideMark), put(x, bottom, kGuideMark);
    for (int y = 0; y <= bottom; ++y) put(left, y, kGuideMark), put(right, y, kGuideMark);
    for (int y = 0; y < f.height; ++y)
      for (int x = 0; x < f.width; ++x)
        put(left + 1 + x, 1 + y, f.pixels[size_t(y) * size_t(f.width) + size_t(x)]);
  }
  return sheet;
}

// The highest entry 0..254 that no frame uses, or -1.
int spareIndex(const std::vector<PackFrame>& frames) {
  std::array<bool, 256> used{};
  for (const PackFrame& f : frames)
    for (uint8_t v : f.pixels) used[v] = true;
  for (int i = kTransparentIndex - 1; i >= 0; --i)
    if (!used[size_t(i)]) return i;
  return -1;
}

bool writeTrueColourSheet(const std::string& path, const SheetLayout& layout,
                          const std::vector<uint16_t>& sheet, const Palette& palette, Rgb guide,
                          std::string& error) {
  std::vector<uint8_t> rgba;
  rgba.reserve(sheet.size() * 4);
  for (uint16_t v : sheet) {
    const Rgb c = v == kGuideMark ? guide : shownColour(palette, v);
    rgba.insert(rgba.end(), {c.r, c.g, c.b, uint8_t(v == kTransparentIndex ? 0 : 255)});
  }
  return common::writeRgbaPng(path, layout.width, layout.height, rgba, error);
}

bool writeIndexedSheet(const std::string& path, const SheetLayout& layout,
                       const std::vector<uint16_t>& sheet, const Palette& palette, Rgb guide,
                       int guideIndex, std::string& error) {
  std::vector<uint8_t> indices;
  indices.reserve(sheet.size());
  for (uint16_t v : sheet) indices.push_back(uint8_t(v == kGuideMark ? guideIndex : v));
  std::vector<uint8_t> pngPalette = shownPaletteBytes(palette);
  pngPalette[size_t(3 * guideIndex)] = guide.r;
  pngPalette[size_t(3 * guideIndex + 1)] = guide.g;
  pngPalette[size_t(3 * guideIndex + 2)] = guide.b;
  std::vector<uint8_t> alpha(256, 255);
  alpha[kTransparentIndex] = 0;
  return common::writeIndexedPng(path, layout.width, layout.height, indices, pngPalette, error,
                                 &alpha);
}

}  // namespace

bool findFrameBoxes(const common::RgbaImage& sheet, Rgb guide, std::vector<FrameBox>& boxes,
                    std::string& error) {
  const GuideTest isGuide(sheet, guide);
  boxes.clear();
  for (int x = 0; x < sheet.width;) {
    if (!isGuide(x, 0)) {
      ++x;
      continue;
    }
    const int left = x;
    while (isGuide(x, 0)) ++x;
    FrameBox box;
    if (!closeBox(isGuide, left, x - 1, box, error)) return false;
    boxes.push_back(box);
  }
  if (boxes.empty())
    return error = "no frame boxes of the guide colour " + hexColour(guide) + " on the top row",
           false;
  return true;
}

bool framesFromSheet(const common::RgbaImage& sheet, const Palette& palette, Rgb guide,
                     std::vector<PackFrame>& frames, MappingCounts& counts, std::string& error) {
  std::vector<FrameBox> boxes;
  if (!findFrameBoxes(sheet, guide, boxes, error)) return false;
  if (boxes.size() > size_t(common::kPackFrames))
    return error = std::to_string(boxes.size()) + " frame boxes; a pack holds at most 50", false;
  PixelMapper mapper(palette, sheet);
  frames.clear();
  for (size_t i = 0; i < boxes.size(); ++i) {
    const FrameBox& b = boxes[i];
    const std::string problem = frameSizeProblem(b.width, b.height);
    if (!problem.empty()) return error = "frame " + std::to_string(i) + " " + problem, false;
    frames.push_back(
        PackFrame{b.width, b.height, mapPixels(mapper, b.left, b.top, b.width, b.height)});
  }
  counts = mapper.counts();
  return true;
}

bool writePackSheet(const std::string& path, const std::vector<PackFrame>& frames,
                    const Palette& palette, Rgb guide, std::string& note, std::string& error) {
  if (frames.empty()) return error = "the pack has no frames to draw", false;
  const SheetLayout layout = layOut(frames);
  const std::vector<uint16_t> sheet = drawSheet(frames, layout);
  const int guideIndex = spareIndex(frames);
  if (guideIndex >= 0)
    return writeIndexedSheet(path, layout, sheet, palette, guide, guideIndex, error);
  note =
      "the frames use every entry 0..254, so the sheet is in true colour, where entries "
      "of the same colour cannot be told apart";
  return writeTrueColourSheet(path, layout, sheet, palette, guide, error);
}

}  // namespace tools
