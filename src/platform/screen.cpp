// screen.cpp -- presented frames and what happens after them (shots, lost surfaces, the stop)
#include "platform/screen.h"

#include "common/png_image.h"
#include "platform/backend.h"
#include "platform/quit.h"
#include "platform/terminal_text.h"

namespace platform {
namespace {
// The screen's state: the frames counted, this run's hooks, and its shots that failed.
struct ScreenState {
  uint64_t frames = 0;
  uint64_t waitsWithoutFrame = 0;
  ScreenHooks hooks;
  uint64_t failedShots = 0;
};
ScreenState& screen() {
  static ScreenState state;
  return state;
}

const PaletteEntry* screenPalette() {
  static const PaletteEntry black[256] = {};
  Surface* s = screenSurface();
  return (s && s->palette()) ? s->palette()->entries() : black;
}

// A shot that cannot be written is told at once; the run goes on, and its status says it.
void runHooks(uint64_t frame) {
  const ScreenHooks& hooks = screen().hooks;
  for (const auto& [at, path] : hooks.shots) {
    if (at != frame) continue;
    std::string error;
    if (common::writeRgbPng(path, kScreenWidth, kScreenHeight, screenRgb(), error)) continue;
    printErrorLine("game: shot not written: " + error);
    ++screen().failedShots;
  }
  if (hooks.loseSurfacesAt == frame) loseAllSurfaces();
  if (hooks.stopAfter == frame) requestQuit();
}
}  // namespace

void presentScreen(bool wait) {
  if (wait && quitRequested()) return;
  Surface* s = screenSurface();
  if (s && hasBackend()) backend().show(s->pixels(), screenPalette(), wait);
  // A quit that came during the flip's wait: the frame is not shown as presented.
  if (wait && quitRequested()) return;
  runHooks(++screen().frames);
}

void countWaitWithoutFrame() {
  ScreenState& s = screen();
  ++s.waitsWithoutFrame;
  if (s.hooks.stopAfter != 0 && s.frames + s.waitsWithoutFrame >= s.hooks.stopAfter) requestQuit();
}

void refreshScreen() {
  Surface* s = screenSurface();
  if (s && hasBackend()) backend().show(s->pixels(), screenPalette(), false);
}

uint64_t presentedFrames() { return screen().frames; }

bool allShotsWritten() { return screen().failedShots == 0; }

uint32_t virtualMillis() { return static_cast<uint32_t>(screen().frames * 1000 / 60); }

std::vector<uint8_t> screenRgb() {
  std::vector<uint8_t> rgb(size_t(kScreenWidth) * kScreenHeight * 3, 0);
  Surface* s = screenSurface();
  if (!s) return rgb;
  const PaletteEntry* pal = screenPalette();
  const uint8_t* px = s->pixels();
  for (size_t i = 0; i < size_t(kScreenWidth) * kScreenHeight; ++i) {
    const PaletteEntry& e = pal[px[i]];
    rgb[3 * i] = e.red;
    rgb[3 * i + 1] = e.green;
    rgb[3 * i + 2] = e.blue;
  }
  return rgb;
}

void setScreenHooks(const ScreenHooks& h) { screen().hooks = h; }

void resetScreen() { screen() = ScreenState{}; }

}  // namespace platform
