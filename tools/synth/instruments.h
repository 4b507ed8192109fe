// instruments.h -- the sound of one note of each instrument
#pragma once

#include <cstdint>
#include <vector>

#include "synth/score.h"

namespace synth {

constexpr int kSampleRate = 44100;

struct NoteSound {
  double frequency = 440;
  double velocity = 0.75;
  double hold = 0.5;  // seconds; plucked and struck instruments ring on regardless
  uint32_t seed = 1;  // for the instruments with noise or random phases
};

// The note in mono from its start, about as loud as its velocity at the peak. Every note
// rises from silence and falls back to it, so notes can be laid anywhere without clicks.
std::vector<float> renderNote(Instrument instrument, const NoteSound& note);

}  // namespace synth
