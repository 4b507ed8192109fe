// music_player.h -- the background music: one piece that plays for the whole game and loops
#pragma once

#include <memory>

#include "common/bound_state.h"
#include "platform/music_stream.h"

namespace audio {

// What MusicPlayer::Open did: opened, or the step that failed.
enum class MusicOpen : int {
  kOpened = 0,
  kCannotPlay = 1,  // the file cannot be played, or the player failed before
  kNoDuration = 2,  // the file's duration cannot be read
};

class MusicPlayer {
 public:
  // The player's state, a number in the state dump. Any state but kReady is final:
  // the player stays silent.
  enum State : int {
    kReady = 0,
    kNoMediaSystem = 2,  // no sound device: the game runs in silence
    kCannotRender = -1,  // the file cannot be played
    kNoDuration = -2,    // the file's duration cannot be read
  };

  MusicPlayer();
  MusicOpen Open(const char* name);
  void Play();
  void Stop();
  // Rewinds to the start when less than a second is left (or the end has passed).
  void CheckLoop();
  void SetVolume(int volume);

  State state = kReady;
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
inline AudioState& audioState() { return common::Bound<AudioState>::get(); }

}  // namespace audio
