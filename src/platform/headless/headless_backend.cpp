// headless_backend.cpp -- the backend for tests and servers: no window, time counted in frames
#include "platform/headless/headless_backend.h"

#include <cstring>

#include "platform/headless/virtual_music.h"
#include "platform/screen.h"
#include "platform/terminal_text.h"

namespace platform {
namespace {

class HeadlessBackend final : public Backend {
 public:
  explicit HeadlessBackend(bool quiet) : quiet_(quiet) {}

  bool createWindow(const char*) override { return true; }

  void destroyWindow() override {}

  // The screen stays readable through the primary surface; nothing else to do.
  void show(const uint8_t*, const PaletteEntry*, bool) override {}

  void readKeys(uint8_t state[256]) override { std::memset(state, 0, 256); }

  void messageBox(const std::string& title, const std::string& text) override {
    if (!quiet_) printErrorLine(title + ": " + text);
  }

  // Nothing depends on the wall clock: time advances with the presented frames.
  uint32_t millis() override { return virtualMillis(); }

  // Nothing to wait for, but the wait counts toward --frames: a loop that only sleeps
  // still ends.
  void sleepMs(uint32_t) override { countWaitWithoutFrame(); }

  std::unique_ptr<MusicStream> createMusicStream() override { return makeVirtualMusicStream(); }

  bool headless() const override { return true; }

 private:
  bool quiet_;
};

}  // namespace

std::unique_ptr<Backend> makeHeadlessBackend(bool quiet) {
  return std::make_unique<HeadlessBackend>(quiet);
}

}  // namespace platform
