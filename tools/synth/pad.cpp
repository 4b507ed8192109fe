// pad.cpp -- the warm pad: three slightly detuned soft saw waves that swell and fade
#include <algorithm>
#include <array>
#include <cmath>

#include "synth/instrument_parts.h"

namespace synth {
namespace {

constexpr int kTableSize = 4096;
constexpr double kAttack = 0.35;  // seconds to swell to full
constexpr double kRelease = 0.9;  // seconds to fade after the note ends

// One cycle of a saw wave with its harmonics softened (1/k^1.6 rather than 1/k) and none
// above about 5 kHz, scaled to a peak of 1; one extra entry repeats the first.
std::vector<double> waveTable(double frequency) {
  const int harmonics = std::clamp(int(5000 / frequency), 1, 12);
  std::vector<double> table(kTableSize + 1, 0.0);
  double peak = 0;
  for (int i = 0; i < kTableSize; ++i) {
    for (int k = 1; k <= harmonics; ++k)
      table[size_t(i)] += std::sin(2 * std::numbers::pi * k * i / kTableSize) / std::pow(k, 1.6);
    peak = std::max(peak, std::abs(table[size_t(i)]));
  }
  for (double& v : table) v /= peak;
  table[kTableSize] = table[0];
  return table;
}

// 0 to 1 from a seed, moving the seed on (xorshift).
double nextRandom(uint32_t& state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state / 4294967296.0;
}

}  // namespace

std::vector<float> renderPad(const NoteSound& note) {
  const std::vector<double> table = waveTable(note.frequency);
  const double hold = note.hold;
  std::vector<float> out(size_t(secondsToSamples(hold + kRelease)), 0.0f);
  uint32_t random = note.seed * 2654435761u + 1;
  const std::array<double, 3> cents = {-7, 0, 7};
  const std::array<double, 3> gains = {0.34, 0.32, 0.34};
  for (size_t v = 0; v < cents.size(); ++v) {
    double phase = nextRandom(random);  // so the three never start in step
    const double step = note.frequency * std::pow(2.0, cents[v] / 1200) / kSampleRate;
    for (float& sample : out) {
      const double at = phase * kTableSize;
      const size_t i = size_t(at);
      const double between = at - double(i);
      sample += float(gains[v] * (table[i] + (table[i + 1] - table[i]) * between));
      phase += step;
      if (phase >= 1) phase -= 1;
    }
  }
  // Swell, hold, and from whatever level the note reached, fade.
  const double reached = raisedCosine(hold / kAttack);
  for (size_t n = 0; n < out.size(); ++n) {
    const double t = double(n) / kSampleRate;
    const double level =
        t < hold ? raisedCosine(t / kAttack) : reached * (1 - raisedCosine((t - hold) / kRelease));
    out[n] = float(out[n] * level * note.velocity);
  }
  return out;
}

}  // namespace synth
