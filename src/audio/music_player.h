// music_player.h -- the background music: one piece that plays for the whole game and loops
#pragma once

#include <memory>

#include "platform/music_stream.h"

namespace audio {

class MusicPlayer {
 public:
  // States: 0 ready; 1 to 6 set-up failures; -1 the file cannot be played; -2 no duration.
  static constexpr int kReady = 0;
  static constexpr int kNoMediaSystem = 2;  // no sound device: the game runs in silence
  static constexpr int kCannotRender = -1;
  static constexpr int kNoDuration = -2;

  MusicPlayer();
  // 0 opened; 1 the file cannot be played; 2 its duration cannot be read.
  int Open(const char* name);
  void Play();
  void Stop();
  // Rewinds to the start when less than a second is left (or the end has passed).
  void CheckLoop();
  void SetVolume(int volume);

  int state = kReady;
  double position = 0;
  double duration = 0;
  // The last volume set, hundredths of a decibel; the frame counter's second number.
  int volume = 0;
  std::unique_ptr<platform::MusicStream> stream;
};

// The sound's state: the game's one player, made and destroyed by the game's procedure.
struct AudioState {
  std::unique_ptr<MusicPlayer> Music;
};

// The running game's sound state, owned by the game object, which binds it.
AudioState& audioState();
void bindAudioState(AudioState* state);

}  // namespace audio
