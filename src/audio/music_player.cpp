// music_player.cpp -- open, run, stop, loop and volume, silent after any failure
#include "audio/music_player.h"

namespace audio {

MusicPlayer::MusicPlayer() {
  stream = platform::createMusicStream();
  if (!stream) {
    state = kNoMediaSystem;
    return;
  }
  volume = 0;
}

int MusicPlayer::Open(const char* name) {
  if (state != kReady) return 1;
  if (!stream->open(name)) {
    state = kCannotRender;
    return 1;
  }
  if (!stream->duration(duration)) {
    state = kNoDuration;
    return 2;
  }
  return 0;
}

void MusicPlayer::Play() {
  if (state == kReady) stream->run();
}

void MusicPlayer::Stop() {
  if (state == kReady && stream) stream->stop();
}

void MusicPlayer::CheckLoop() {
  if (state != kReady) return;
  if (stream->position(position) && duration - position < 1.0) stream->setPosition(0.0);
}

void MusicPlayer::SetVolume(int v) {
  volume = v;
  if (stream) stream->setVolume(v);
}

}  // namespace audio
