// sleigh.cpp -- soft sleigh bells: a shake of band-passed noise and a few jingling partials
#include <algorithm>
#include <array>
#include <cmath>

#include "synth/instrument_parts.h"

namespace synth {
namespace {

constexpr double kLength = 0.4;  // seconds

// A two-pole band-pass filter (unity gain at its centre).
class BandPass {
 public:
  BandPass(double centre, double q) {
    const double w = 2 * std::numbers::pi * centre / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    b0_ = alpha / a0;
    a1_ = -2 * std::cos(w) / a0;
    a2_ = (1 - alpha) / a0;
  }
  double operator()(double in) {
    const double out = b0_ * (in - in2_) - a1_ * out1_ - a2_ * out2_;
    in2_ = in1_;
    in1_ = in;
    out2_ = out1_;
    out1_ = out;
    return out;
  }

 private:
  double b0_, a1_, a2_;
  double in1_ = 0, in2_ = 0, out1_ = 0, out2_ = 0;
};

double nextNoise(uint32_t& state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state / 2147483648.0 - 1.0;
}

// The loudness of the shake at time t: three quick strokes, each rising in 1.5 ms and
// dying in tens of milliseconds.
double shake(double t) {
  static const std::array<double, 3> starts = {0.0, 0.021, 0.047};
  static const std::array<double, 3> strengths = {1.0, 0.6, 0.35};
  double level = 0;
  for (size_t i = 0; i < starts.size(); ++i) {
    const double u = t - starts[i];
    if (u > 0) level += strengths[i] * raisedCosine(u / 0.0015) * std::exp(-u / 0.03);
  }
  return level;
}

}  // namespace

// The note's pitch sets the brightness: the noise centres six times above it.
std::vector<float> renderSleigh(const NoteSound& note) {
  const double centre = std::clamp(note.frequency * 6, 3000.0, 12000.0);
  // Two filters in a row, so the hiss stays around the centre rather than reaching the top.
  BandPass filter(centre, 1.5), again(centre, 1.5);
  uint32_t noise = note.seed * 2246822519u + 7;
  const std::array<double, 4> jingles = {0.52, 0.67, 0.81, 1.04};
  std::vector<float> out(size_t(secondsToSamples(kLength)), 0.0f);
  double peak = 0;
  for (size_t n = 0; n < out.size(); ++n) {
    const double t = double(n) / kSampleRate;
    double ring = 0;
    for (double j : jingles) ring += 0.12 * std::sin(2 * std::numbers::pi * centre * j * t);
    const double value = shake(t) * (3 * again(filter(nextNoise(noise))) + ring);
    out[n] = float(value);
    peak = std::max(peak, std::abs(value));
  }
  if (peak > 0)
    for (float& s : out) s = float(s * note.velocity / peak);
  fadeOut(out, 0.02);
  return out;
}

}  // namespace synth
