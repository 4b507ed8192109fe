// overlays.cpp -- edge markers, character labels, titles and the sheet's layout
#include "mapview/overlays.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "world/event_tables.h"

namespace mapview {
namespace {

constexpr uint32_t kBand = 0x202020;
constexpr uint32_t kTalkColour = 0xFFFFFF;
constexpr uint32_t kTouchColour = 0x40E0FF;
constexpr uint32_t kQuietColour = 0xA0A0A0;
constexpr uint32_t kEdgeColour = 0xFF8000;
constexpr uint32_t kTitleColour = 0xFFE060;
constexpr int kLineHeight = 18;
constexpr int kGap = 6;
constexpr int kMarkerWidth = 3;
// The ground between the feet (row 160) and the bottom of the map area.
constexpr int kFeetRow = 161;

struct Label {
  int x = 0, width = 0;
  std::string text;
  uint32_t colour = 0;
  int tickX = -1;  // the column of a character's tick; -1 for the edge labels
  int tickFrom = 0;
};

std::string number(int n) { return std::to_string(n); }

std::string edgeText(int event, const EdgeEvent& edge, bool left) {
  std::string text = number(event);
  if (!edge.warpMap.empty()) text += " warp " + edge.warpMap + " x" + number(edge.warpX);
  return left ? "<" + text : text + ">";
}

// Rows of labels that do not overlap; each label goes into the first row with room.
std::vector<int> placeRows(const std::vector<Label>& labels, int& rowCount) {
  std::vector<std::vector<std::pair<int, int>>> taken;
  std::vector<int> rows;
  for (const Label& l : labels) {
    const int from = l.x - kGap, to = l.x + l.width + kGap;
    size_t r = 0;
    for (; r < taken.size(); ++r) {
      const bool free = std::none_of(taken[r].begin(), taken[r].end(), [&](const auto& span) {
        return from < span.second && span.first < to;
      });
      if (free) break;
    }
    if (r == taken.size()) taken.emplace_back();
    taken[r].emplace_back(from, to);
    rows.push_back(int(r));
  }
  rowCount = std::max<int>(1, int(taken.size()));
  return rows;
}

void fill(RgbPicture& p, int x0, int y0, int x1, int y1, uint32_t colour) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) p.put(x, y, colour);
}

}  // namespace

RgbPicture annotated(const MapDrawing& map) {
  const RgbPicture& area = map.picture;
  std::vector<Label> labels;
  const auto addEdge = [&](int event, const EdgeEvent& edge, bool left) {
    if (!edge.defined) return;
    Label l;
    l.text = edgeText(event, edge, left);
    l.width = textWidth(l.text);
    l.x = left ? kMarkerWidth + 2 : area.width - kMarkerWidth - 2 - l.width;
    l.colour = kEdgeColour;
    labels.push_back(l);
  };
  addEdge(world::EDGE_EVENT_LEFT, map.left, true);
  addEdge(world::EDGE_EVENT_RIGHT, map.right, false);
  for (const MapCharacter& c : map.characters) {
    Label l;
    l.text = number(c.slot) + " " + c.name;
    if (c.eventNumber != 0)
      l.text +=
          c.mode == 2 ? " [" + number(c.eventNumber) + "]" : " (" + number(c.eventNumber) + ")";
    l.width = textWidth(l.text);
    l.tickX = std::clamp(c.left + c.width / 2, 0, area.width - 1);
    l.x = std::clamp(l.tickX - l.width / 2, 0, std::max(0, area.width - l.width));
    l.colour = c.mode == 0 ? kTalkColour : c.mode == 2 ? kTouchColour : kQuietColour;
    l.tickFrom = kFeetRow;
    labels.push_back(l);
  }
  int rowCount = 0;
  const std::vector<int> rows = placeRows(labels, rowCount);
  RgbPicture out(area.width, area.height + kGap + rowCount * kLineHeight);
  std::copy(area.rgb.begin(), area.rgb.end(), out.rgb.begin());
  fill(out, 0, area.height, out.width, out.height, kBand);
  if (map.left.defined) fill(out, 0, 0, kMarkerWidth, area.height, kEdgeColour);
  if (map.right.defined)
    fill(out, out.width - kMarkerWidth, 0, out.width, area.height, kEdgeColour);
  for (size_t i = 0; i < labels.size(); ++i) {
    const Label& l = labels[i];
    const int top = area.height + kGap / 2 + rows[i] * kLineHeight + 1;
    if (l.tickX >= 0) {
      for (int y = l.tickFrom; y < top; ++y) out.put(l.tickX, y, l.colour);
    }
    stampText(out, l.x, top, l.text, l.colour);
  }
  return out;
}

RgbPicture titled(const std::string& cp949Name, const MapDrawing& map) {
  const RgbPicture body = annotated(map);
  RgbPicture out(body.width, body.height + kLineHeight + 4);
  fill(out, 0, 0, out.width, kLineHeight + 4, kBand);
  stampText(out, 4, 3, cp949Name + "  " + map.caption, kTitleColour);
  std::copy(body.rgb.begin(), body.rgb.end(), out.rgb.begin() + (kLineHeight + 4) * out.width * 3);
  return out;
}

RgbPicture stacked(const std::vector<RgbPicture>& pictures) {
  int width = 0, height = 0;
  for (const RgbPicture& p : pictures) {
    width = std::max(width, p.width);
    height += p.height;
  }
  RgbPicture out(width, height);
  int top = 0;
  for (const RgbPicture& p : pictures) {
    for (int y = 0; y < p.height; ++y)
      std::copy(p.at(0, y), p.at(0, y) + p.width * 3, out.at(0, top + y));
    top += p.height;
  }
  return out;
}

RgbPicture enlarged(const RgbPicture& picture, int scale) {
  if (scale == 1) return picture;
  RgbPicture out(picture.width * scale, picture.height * scale);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      std::copy_n(picture.at(x / scale, y / scale), 3, out.at(x, y));
  return out;
}

}  // namespace mapview
