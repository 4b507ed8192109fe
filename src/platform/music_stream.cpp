// music_stream.cpp -- the backend's music stream and the volume scale
#include "platform/music_stream.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/backend.h"
#include "platform/faults.h"

namespace platform {

std::unique_ptr<MusicStream> createMusicStream() {
  if (faults().soundDevice || !hasBackend()) return nullptr;
  auto stream = backend().createMusicStream();
  // Without a sound device the game plays on in silence; one line tells the player why
  // (the game makes its stream once, at its start).
  if (!stream) std::fputs("game: no sound device; the music is off\n", stderr);
  return stream;
}

int mixerVolume(int v) {
  const double gain = 128.0 * std::pow(10.0, std::min(v, 0) / 2000.0);
  return std::clamp(int(std::lround(gain)), 0, 128);
}

}  // namespace platform
