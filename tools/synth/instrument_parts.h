// instrument_parts.h -- each instrument's note, and the envelope shapes they share
#pragma once

#include <cmath>
#include <numbers>
#include <vector>

#include "synth/instruments.h"

namespace synth {

std::vector<float> renderMusicBox(const NoteSound& note);
std::vector<float> renderBells(const NoteSound& note);
std::vector<float> renderBass(const NoteSound& note);
std::vector<float> renderPad(const NoteSound& note);
std::vector<float> renderSleigh(const NoteSound& note);

// 0 at x = 0 to 1 at x = 1 along half a cosine: no corner at either end.
inline double raisedCosine(double x) {
  if (x <= 0) return 0;
  if (x >= 1) return 1;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

inline int secondsToSamples(double seconds) { return int(std::lround(seconds * kSampleRate)); }

// Shapes the first `seconds` of the samples to rise from silence.
void fadeIn(std::vector<float>& samples, double seconds);
// Shapes the last `seconds` of the samples to fall to silence.
void fadeOut(std::vector<float>& samples, double seconds);

}  // namespace synth
