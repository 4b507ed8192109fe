// bench_backend.cpp -- the presenter's work without a window: the palette conversion of each frame
#include "bench_backend.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/argb_frame.h"
#include "platform/headless/virtual_music.h"
#include "platform/screen.h"

namespace bench {
namespace {

class ArgbBackend final : public platform::Backend {
 public:
  bool createWindow(const char*) override { return true; }
  void destroyWindow() override {}

  void show(const uint8_t* pixels, const platform::PaletteEntry* palette, bool) override {
    const bool halved = platform::isPixelDoubled(pixels);
    platform::convertScreenToArgb(pixels, palette, argb_.data(), platform::kScreenWidth * 4,
                                  halved);
  }

  void readKeys(uint8_t state[256]) override { std::memset(state, 0, 256); }
  void messageBox(const std::string& title, const std::string& text) override {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  }
  uint32_t millis() override { return uint32_t(platform::presentedFrames() * 1000 / 60); }
  void sleepMs(uint32_t) override {}
  std::unique_ptr<platform::MusicStream> createMusicStream() override {
    return platform::makeVirtualMusicStream();
  }
  bool headless() const override { return true; }

 private:
  std::vector<uint32_t> argb_ =
      std::vector<uint32_t>(size_t(platform::kScreenWidth) * platform::kScreenHeight);
};

}  // namespace

std::unique_ptr<platform::Backend> makeArgbBackend() { return std::make_unique<ArgbBackend>(); }

}  // namespace bench
