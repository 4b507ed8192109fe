// web_music.cpp -- MP3 music on Web Audio, behaving like a media graph that keeps running
#include "platform/web/web_music.h"

#include <algorithm>
#include <cmath>

#include "platform/data_file.h"
#include "platform/web/web_page.h"

namespace platform {
namespace {

// The page plays a decoded buffer from a position; the stream keeps the graph's states.
class WebMusic final : public MusicStream {
 public:
  ~WebMusic() override { pelmo_web_music_close(); }

  bool open(const std::string& path) override {
    // The page opens the file by its name: it is checked first as every data file is.
    if (!dataFileOpens(path.c_str())) return false;
    length_ = pelmo_web_music_open(nativePath(path.c_str()).c_str());
    return length_ >= 0;
  }

  bool duration(double& seconds) override {
    if (length_ < 0) return false;
    seconds = length_;
    return seconds > 0;
  }

  void run() override {
    if (running_ || length_ < 0) return;
    running_ = true;
    pelmo_web_music_run(from_);
  }

  void stop() override {
    if (!running_) return;
    position(from_);
    pelmo_web_music_stop();
    running_ = false;
  }

  // A running graph that reached the end rests there.
  bool position(double& seconds) override {
    if (length_ < 0) return false;
    seconds = running_ ? std::min(length_, from_ + pelmo_web_music_elapsed()) : from_;
    return true;
  }

  void setPosition(double seconds) override {
    from_ = std::clamp(seconds, 0.0, std::max(length_, 0.0));
    if (running_) pelmo_web_music_run(from_);
  }

  void setVolume(int hundredthsOfDecibel) override {
    pelmo_web_music_volume(std::pow(10.0, hundredthsOfDecibel / 2000.0));
  }

  bool running() const override { return running_; }

 private:
  double length_ = -1;
  double from_ = 0;  // where the last run started, or where a stop left it
  bool running_ = false;
};

}  // namespace

std::unique_ptr<MusicStream> makeWebMusicStream() {
  if (!pelmo_web_audio_available()) return nullptr;
  return std::make_unique<WebMusic>();
}

}  // namespace platform
