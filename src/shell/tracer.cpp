// tracer.cpp -- event steps on stderr as they run, and the author's overlay over the view
#include "shell/tracer.h"

#include <cstdio>

#include "actors/actor.h"
#include "actors/actors_state.h"
#include "common/geometry.h"
#include "display/display_state.h"
#include "gfx/text_draw.h"
#include "platform/encoding.h"
#include "platform/keyboard.h"
#include "platform/screen.h"
#include "platform/terminal_text.h"
#include "shell/shell_state.h"
#include "world/event_language.h"
#include "world/event_tables.h"
#include "world/scene.h"

namespace shell {
namespace {

using namespace world;

// The frame counter's colour; the overlay's lines start below the counter's.
constexpr int kOverlayColour = 90;
constexpr int kLineHeight = 16;
// Characters of the 8-pixel font across the view.
constexpr size_t kOverlayColumns = common::kViewWidth / 8;

const EventKeyword* keywordOf(int op) {
  for (const EventKeyword& k : kEventKeywords)
    if (k.op == op) return &k;
  return nullptr;
}

// The step's arguments as the map file gives them.
std::string argumentsOf(const EventKeyword& k, int e, int s) {
  const EventTables& t = eventTables();
  const std::string str = t.EventStr[e][s];
  const std::string a1 = std::to_string(t.EventArg1[e][s]);
  const std::string a2 = std::to_string(t.EventArg2[e][s]);
  switch (k.args) {
    case EventArgs::kNone:
      return "";
    case EventArgs::kArg1:
      return " " + a1;
    case EventArgs::kArg1Arg2:
      return " " + a1 + " " + a2;
    case EventArgs::kFlag:
    case EventArgs::kStrArg1:
      return " " + str + " " + a1;
    case EventArgs::kIf:
      return std::string(" ") + kIfFlagWord + " " + str + " " + a1 + " " + a2;
    case EventArgs::kStr:
      return " " + str;
    case EventArgs::kText: {
      // The block's title, the word the file gives after the keyword.
      const int32_t row = decimalValue(str.c_str());
      return row >= 0 && row < kTextLineCount ? std::string(" ") + t.TextLines[row] : "";
    }
  }
  return "";
}

}  // namespace

std::string traceLine(int e, int s) {
  std::string line = "trace frame=" + std::to_string(platform::presentedFrames() + 1) +
                     " map=" + shellState().MapName + " event=" + std::to_string(e) +
                     " step=" + std::to_string(s) + " ";
  const int op = e >= 0 && e < kEventCount && s >= 0 && s < kStepCount
                     ? eventTables().EventOps[e][s]
                     : int(kOpEnd);
  if (op == kOpEnd)
    line += "end";  // the label that closes the event, or a step no keyword filled
  else if (const EventKeyword* k = keywordOf(op))
    line += k->word + argumentsOf(*k, e, s);
  else
    line += "op " + std::to_string(op);
  return platform::cp949ToUtf8(line);
}

void traceEventSteps() {
  worldState().stepObserver = [](int e, int s) { platform::printErrorLine(traceLine(e, s)); };
}

std::vector<std::string> overlayLines() {
  const WorldState& w = worldState();
  const auto& Hero = actors::actorsState().Hero;
  const Scene* scene = w.CurrentScene.get();
  char text[300];
  std::vector<std::string> lines;
  std::snprintf(text, sizeof text, "map %s  x %.1f  camera %d", shellState().MapName,
                Hero ? double(Hero->x) : 0.0, scene ? scene->cameraX : 0);
  lines.push_back(text);
  if (w.CurrentEvent != 0)
    std::snprintf(text, sizeof text, "event %d  step %d", w.CurrentEvent, w.CurrentStep);
  else
    std::snprintf(text, sizeof text, "no event");
  lines.push_back(text);
  std::string flags = "flags";
  for (int f = 0; f < kFlagCount; ++f) {
    if (w.EventFlags[f] == 0) continue;
    const std::string item = " " + std::to_string(f) + "=" + std::to_string(w.EventFlags[f]);
    if (flags.size() + item.size() > kOverlayColumns) {
      lines.push_back(flags);
      flags = "     ";
    }
    flags += item;
  }
  lines.push_back(flags == "flags" ? "flags none" : flags);
  return lines;
}

void drawOverlay() {
  if (!platform::overlayShown()) return;
  display::PixelPage* page = display::displayState().APAGE.get();
  int y = common::kViewTop + kLineHeight;
  for (const std::string& line : overlayLines()) {
    gfx::drawText(page, common::kViewLeft, y, line.c_str(), kOverlayColour);
    y += kLineHeight;
  }
}

}  // namespace shell
