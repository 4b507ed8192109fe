// web_backend.cpp -- the browser edition's backend: canvas, DOM keys, page dialogs, 60 Hz
#include "platform/web/web_backend.h"

#include <array>
#include <chrono>
#include <cstring>

#include "platform/frame_clock.h"
#include "platform/headless/virtual_music.h"
#include "platform/key_latch.h"
#include "platform/quit.h"
#include "platform/screen.h"
#include "platform/web/rgba_frame.h"
#include "platform/web/web_music.h"
#include "platform/web/web_page.h"

namespace platform {
namespace {

using Clock = FrameClock::Clock;

// On the virtual clock nothing waits; the page still gets a turn this often, so that it
// draws the canvas and answers its checks while a long run plays.
constexpr double kVirtualTurnMs = 200;
// A frame that does not wait (Left Control held) still lets the page draw and read keys
// once per frame of the monitor, or the key's release would never be seen.
constexpr double kFastForwardTurnMs = 16;

class WebBackend final : public Backend {
 public:
  explicit WebBackend(bool virtualClock) : virtual_(virtualClock) {}

  // The canvas keeps the last frame of the run.
  ~WebBackend() override {
    draw();
    pelmo_web_ended();
  }

  bool createWindow(const char*) override { return true; }
  void destroyWindow() override {}

  void show(const uint8_t* pixels, const PaletteEntry* palette, bool wait) override {
    // Once the game is to stop, the canvas keeps the last frame it presented: what the
    // unwinding game draws (its fade to black) is not a frame of the run.
    if (quitRequested()) return;
    std::memcpy(shownPixels_.data(), pixels, shownPixels_.size());
    std::memcpy(shownPalette_.data(), palette, sizeof(PaletteEntry) * 256);
    shownFrame_ = static_cast<uint32_t>(presentedFrames() + 1);
    drawn_ = false;
    if (virtual_) {
      // Nothing is seen between the page's turns: the canvas is drawn for them alone.
      if (shownFrame_ == 1 || turnDue(kVirtualTurnMs)) {
        draw();
        giveTurn();
      }
      return;
    }
    draw();
    if (wait) {
      waitForTick();
    } else if (turnDue(kFastForwardTurnMs)) {
      giveTurn();
    }
  }

  void readKeys(uint8_t state[256]) override {
    takeKeyChanges();
    keys_.read(state);
  }

  void messageBox(const std::string& title, const std::string& text) override {
    keys_.clear();  // the keys that answer the box are not the game's
    pelmo_web_message_box(title.c_str(), text.c_str());
    lastTurn_ = pelmo_web_now();
  }

  uint32_t millis() override {
    if (virtual_) return virtualMillis();
    return static_cast<uint32_t>(pelmo_web_now() - start_);
  }

  void sleepMs(uint32_t ms) override {
    if (virtual_) {
      countWaitWithoutFrame();
      if (turnDue(kVirtualTurnMs)) giveTurn();
      return;
    }
    pelmo_web_sleep(ms);
    lastTurn_ = pelmo_web_now();
  }

  std::unique_ptr<MusicStream> createMusicStream() override {
    // The virtual clock's music is the headless mode's, so that its runs agree.
    if (virtual_) return makeVirtualMusicStream();
    return makeWebMusicStream();
  }

  bool headless() const override { return false; }

 private:
  void waitForTick() {
    const auto left = frameClock_.nextTick() - Clock::now();
    pelmo_web_wait_frame(std::chrono::duration<double, std::milli>(left).count());
    lastTurn_ = pelmo_web_now();
  }

  void takeKeyChanges() {
    std::array<int32_t, 64> changes;
    int count;
    do {
      count = pelmo_web_take_key_changes(changes.data(), int(changes.size()));
      for (int i = 0; i < count; ++i) {
        const auto code = uint8_t(changes[size_t(i)]);
        if (changes[size_t(i)] == 0)
          keys_.releaseAll();
        else if (changes[size_t(i)] & 0x100)
          keys_.press(code);
        else
          keys_.release(code);
      }
    } while (count == int(changes.size()));
  }

  bool turnDue(double ms) const { return pelmo_web_now() - lastTurn_ >= ms; }

  void giveTurn() {
    pelmo_web_yield();
    lastTurn_ = pelmo_web_now();
  }

  void draw() {
    if (drawn_ || shownFrame_ == 0) return;
    convertScreenToRgba(shownPixels_.data(), shownPalette_.data(), rgba_.data());
    pelmo_web_draw(rgba_.data(), shownFrame_);
    drawn_ = true;
  }

  bool virtual_;
  double start_ = pelmo_web_now();
  double lastTurn_ = start_;
  FrameClock frameClock_;
  std::array<uint8_t, kScreenWidth * kScreenHeight> shownPixels_{};
  std::array<PaletteEntry, 256> shownPalette_{};
  uint32_t shownFrame_ = 0;  // 0 before the first frame
  bool drawn_ = true;
  KeyLatch keys_;
  std::array<uint8_t, kScreenWidth * kScreenHeight * 4> rgba_{};
};

}  // namespace

std::unique_ptr<Backend> makeWebBackend(std::string& error) {
  const int clock = pelmo_web_open();
  if (clock == 0) {
    error = "the page has no canvas for the game";
    return nullptr;
  }
  return std::make_unique<WebBackend>(clock == 2);
}

}  // namespace platform
