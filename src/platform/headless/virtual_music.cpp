// virtual_music.cpp -- music without a sound device, timed by the presented frames
#include "platform/headless/virtual_music.h"

#include <algorithm>
#include <cstdio>

#include "platform/data_file.h"
#include "platform/mp3_frames.h"
#include "platform/screen.h"

namespace platform {
namespace {

class VirtualMusic final : public MusicStream {
 public:
  // Only the frame headers are read, so that a file of any length opens at once.
  bool open(const std::string& path) override {
    FILE* f = openDataFile(path.c_str(), kNoSizeBound);
    opened_ = f && mp3StreamDuration(f, length_);
    if (f) std::fclose(f);
    return opened_;
  }
  bool duration(double& seconds) override {
    if (!opened_) return false;
    seconds = length_;
    return true;
  }
  void run() override {
    if (running_) return;
    markFrames_ = presentedFrames();
    running_ = true;
  }
  void stop() override {
    if (!running_) return;
    markPosition_ = now();
    running_ = false;
  }
  bool position(double& seconds) override {
    seconds = now();
    return opened_;
  }
  void setPosition(double seconds) override {
    markPosition_ = std::clamp(seconds, 0.0, length_);
    markFrames_ = presentedFrames();
  }
  void setVolume(int) override {}
  bool running() const override { return running_; }

 private:
  // A running stream stays at its end once it gets there, as a running media graph does.
  double now() const {
    if (!running_) return markPosition_;
    return std::min(length_, markPosition_ + double(presentedFrames() - markFrames_) / 60.0);
  }
  bool opened_ = false;
  bool running_ = false;
  double length_ = 0;
  double markPosition_ = 0;
  uint64_t markFrames_ = 0;
};

}  // namespace

std::unique_ptr<MusicStream> makeVirtualMusicStream() { return std::make_unique<VirtualMusic>(); }

}  // namespace platform
