// struck.cpp -- the instruments made of decaying sine partials: music box, bells, plucked bass
#include <algorithm>
#include <cmath>

#include "synth/instrument_parts.h"

namespace synth {
namespace {

struct Partial {
  double ratio;      // to the note's frequency
  double amplitude;  // at the start
  double decay;      // seconds to fall to 1/e
};

// Partials above this would only add glitter and risk aliasing.
constexpr double kHighestPartial = 12000;

// Adds the partials, each a sine from phase 0 that dies away exponentially.
void addPartials(std::vector<float>& out, double frequency, const std::vector<Partial>& partials) {
  for (const Partial& p : partials) {
    const double hertz = frequency * p.ratio;
    if (hertz > kHighestPartial) continue;
    // One rotation and shrink of a complex number per sample: the imaginary part is the sine.
    const double turn = 2 * std::numbers::pi * hertz / kSampleRate;
    const double shrink = std::exp(-1.0 / (p.decay * kSampleRate));
    const double stepRe = shrink * std::cos(turn), stepIm = shrink * std::sin(turn);
    double re = p.amplitude, im = 0;
    for (float& sample : out) {
      sample += float(im);
      const double nextRe = re * stepRe - im * stepIm;
      im = re * stepIm + im * stepRe;
      re = nextRe;
    }
  }
}

void scale(std::vector<float>& samples, double gain) {
  for (float& s : samples) s = float(s * gain);
}

// Seconds for a partial of this decay to fall by 60 dB.
double ringTime(double decay) { return 6.9 * decay; }

}  // namespace

// A comb tooth: the fundamental rings, the tine's own higher modes (6.27 and 17.55 times
// the fundamental) give the bright start and die quickly. Higher notes ring shorter.
std::vector<float> renderMusicBox(const NoteSound& note) {
  const double ring = std::clamp(1.4 * std::pow(523.25 / note.frequency, 0.6), 0.5, 3.0);
  const double bright = 0.5 + 0.5 * note.velocity;
  const std::vector<Partial> partials = {{1.0, 1.0, ring},
                                         {2.0, 0.08, ring * 0.5},
                                         {4.0, 0.04 * bright, ring * 0.25},
                                         {6.27, 0.18 * bright, ring * 0.08},
                                         {17.55, 0.04 * bright, ring * 0.02}};
  std::vector<float> out(size_t(secondsToSamples(std::min(ringTime(ring), 6.0))), 0.0f);
  addPartials(out, note.frequency, partials);
  scale(out, note.velocity);
  fadeIn(out, 0.0015);
  fadeOut(out, 0.03);
  return out;
}

// A soft hand bell: a hum an octave below, the strike tone with a slowly beating twin,
// and the octave and twelfth above it.
std::vector<float> renderBells(const NoteSound& note) {
  const double f = note.frequency;
  const double ring = std::clamp(2.4 * std::pow(523.25 / f, 0.5), 0.8, 4.0);
  const double bright = 0.5 + 0.5 * note.velocity;
  const std::vector<Partial> partials = {
      {0.5, 0.12, ring * 1.2},          {1.0, 1.0, ring},        {1.0 + 1.2 / f, 0.3, ring},
      {2.0, 0.3, ring * 0.6},           {3.0, 0.22, ring * 0.4}, {4.2, 0.1 * bright, ring * 0.25},
      {5.4, 0.06 * bright, ring * 0.15}};
  std::vector<float> out(size_t(secondsToSamples(std::min(ringTime(ring * 1.2), 8.0))), 0.0f);
  addPartials(out, f, partials);
  scale(out, note.velocity / 1.6);
  fadeIn(out, 0.004);
  fadeOut(out, 0.05);
  return out;
}

// A plucked string: harmonics falling off with their number, the higher dying faster,
// slightly stretched as in a real string; the finger damps it when the note ends.
std::vector<float> renderBass(const NoteSound& note) {
  const double f = note.frequency;
  const double ring = 1.3;
  const double bright = 0.4 + 0.6 * note.velocity;
  std::vector<Partial> partials;
  for (int k = 1; k <= 12 && k * f < 4000; ++k)
    partials.push_back({k * std::sqrt(1 + 0.0002 * k * k),
                        std::pow(k, -1.5) * (k == 1 ? 1.0 : bright), ring / (1 + 0.7 * (k - 1))});
  const double damp = 0.08;
  const double length = std::min(note.hold, ringTime(ring)) + damp;
  std::vector<float> out(size_t(secondsToSamples(length)), 0.0f);
  addPartials(out, f, partials);
  scale(out, note.velocity / 1.6);
  fadeIn(out, 0.004);
  fadeOut(out, damp);
  return out;
}

}  // namespace synth
