// sdl_music.cpp -- MP3 music on SDL2_mixer, behaving like a media graph that keeps running
#include "platform/sdl/sdl_music.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/data_file.h"

namespace platform {
namespace {

class SdlMusic final : public MusicStream {
 public:
  ~SdlMusic() override {
    if (music_) {
      Mix_HaltMusic();
      Mix_FreeMusic(music_);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  // The mixer opens the file by its name: it is checked first as every data file is, so
  // that a pipe or a name outside the data folder is never handed to it.
  bool open(const std::string& path) override {
    if (!dataFileOpens(path.c_str())) return false;
    music_ = Mix_LoadMUS(nativePath(path.c_str()).c_str());
    return music_ != nullptr;
  }

  bool duration(double& seconds) override {
    if (!music_) return false;
    seconds = Mix_MusicDuration(music_);
    return seconds > 0;
  }

  void run() override {
    if (running_ || !music_) return;
    running_ = true;
    start(saved_);
  }

  // The mixer cannot seek stopped music: keep the position for the next run.
  void stop() override {
    if (!running_) return;
    position(saved_);
    Mix_HaltMusic();
    running_ = false;
  }

  bool position(double& seconds) override {
    if (!music_) return false;
    if (!running_) {
      seconds = saved_;
    } else if (!Mix_PlayingMusic()) {
      duration(seconds);  // ended: a running graph rests at its end
    } else {
      seconds = Mix_GetMusicPosition(music_);
      if (seconds < 0) return false;
    }
    return true;
  }

  void setPosition(double seconds) override {
    saved_ = seconds;
    if (running_) start(seconds);
  }

  void setVolume(int v) override { Mix_VolumeMusic(mixerVolume(v)); }
  bool running() const override { return running_; }

 private:
  void start(double from) {
    if (!Mix_PlayingMusic()) Mix_PlayMusic(music_, 0);
    if (from > 0 || Mix_PlayingMusic()) Mix_SetMusicPosition(from);
  }

  Mix_Music* music_ = nullptr;
  bool running_ = false;
  double saved_ = 0;
};

}  // namespace

std::unique_ptr<MusicStream> makeSdlMusicStream() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  Mix_Init(MIX_INIT_MP3);
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  return std::make_unique<SdlMusic>();
}

}  // namespace platform
