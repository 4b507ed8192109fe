// music_player.cpp -- open, run, stop, loop and volume, silent after any failure
#include "audio/music_player.h"

#include "platform/data_warnings.h"

namespace audio {

MusicPlayer::MusicPlayer() {
  stream = platform::createMusicStream();
  if (!stream) {
    state = kNoMediaSystem;
    return;
  }
  volume = 0;
}

MusicOpen MusicPlayer::Open(const char* name) {
  if (state != kReady) return MusicOpen::kCannotPlay;
  if (!stream->open(name)) {
    platform::warnDataFile(name, "cannot be opened or played");
    state = kCannotRender;
    return MusicOpen::kCannotPlay;
  }
  if (!stream->duration(duration)) {
    platform::warnDataFile(name, "has no length the player can tell");
    state = kNoDuration;
    return MusicOpen::kNoDuration;
  }
  return MusicOpen::kOpened;
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
