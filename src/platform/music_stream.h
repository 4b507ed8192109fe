// music_stream.h -- one piece of music: open, run, stop, position, volume
#pragma once

#include <memory>
#include <string>

namespace platform {

class MusicStream {
 public:
  virtual ~MusicStream() = default;
  // False when the file is missing or cannot be decoded.
  virtual bool open(const std::string& path) = 0;
  // False when the length cannot be told.
  virtual bool duration(double& seconds) = 0;
  // Plays from the current position; running an already running stream changes nothing.
  // At its end a running stream stays running, silent, at its end.
  virtual void run() = 0;
  // Stops where it is; the next run goes on from there.
  virtual void stop() = 0;
  virtual bool position(double& seconds) = 0;
  virtual void setPosition(double seconds) = 0;
  // Hundredths of a decibel: 0 full volume, -600 six decibels lower.
  virtual void setVolume(int hundredthsOfDecibel) = 0;
  virtual bool running() const = 0;
};

// The stream of the chosen backend; null when there is no sound device.
std::unique_ptr<MusicStream> createMusicStream();

// The linear gain of a volume, on a scale of 0 to 128: 128 x 10^(v / 2000).
int mixerVolume(int hundredthsOfDecibel);

}  // namespace platform
