// score.h -- a piece of music as synth plays it: voices, notes in seconds and how it ends
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace synth {

enum class Instrument { MusicBox, Bells, Pad, Bass, Sleigh };

struct Voice {
  std::string name;
  Instrument instrument = Instrument::MusicBox;
  double gain = 1.0;  // linear, from the voice's level in decibels
  double pan = 0.0;   // -1 left, 0 middle, 1 right
};

// One sounding pitch; a chord is several notes with the same start.
struct Note {
  int voice = 0;
  double start = 0;  // seconds from the first bar
  double hold = 0;   // seconds the note is held (instruments may ring on after it)
  double frequency = 0;
  double velocity = 0;  // 0 to 1
  // For the instruments with noise or random phases: the same for a note each time its
  // section is played, so a section played twice sounds the same twice.
  uint32_t seed = 1;
};

struct Score {
  double tempo = 120;  // beats a minute, a beat being the time signature's lower number
  int beatsPerBar = 4;
  int beatUnit = 4;
  double reverbAmount = 0;   // how much of the reverberation is added to the dry sound
  double reverbDecay = 2.0;  // seconds for the reverberation to fall by 60 dB
  // A looped piece is exactly its bars long, and what rings on past the end is added into
  // its start; otherwise it runs on `tail` seconds and fades out over the last `fade`.
  bool loop = false;
  double tail = 2.0;
  double fade = 2.0;
  std::vector<Voice> voices;
  std::vector<Note> notes;
  int bars = 0;
  double barsLength = 0;  // seconds

  double length() const { return loop ? barsLength : barsLength + tail; }
};

}  // namespace synth
