// reverb.cpp -- the comb and allpass network of the room (the classic Schroeder layout)
#include "synth/reverb.h"

#include <cmath>

#include "synth/instruments.h"

namespace synth {
namespace {

// Delay lengths in samples at 44.1 kHz: mutually prime-ish, so echoes do not pile up.
constexpr size_t kCombs[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr size_t kAllpasses[] = {556, 441, 341, 225};
constexpr size_t kStereoSpread = 23;  // the right side's lines are this much longer
constexpr float kDamping = 0.3f;      // high sounds die faster in the room
constexpr float kInputGain =
    0.015f;  // the combs' sum is large: keep the room's level near the input's

}  // namespace

Reverb::Comb::Comb(size_t length, double decaySeconds)
    : buffer_(length, 0.0f),
      // Each pass round the loop loses its share of the 60 dB.
      feedback_(float(std::pow(10.0, -3.0 * double(length) / (decaySeconds * kSampleRate)))) {}

float Reverb::Comb::operator()(float in) {
  const float out = buffer_[at_];
  store_ = out * (1 - kDamping) + store_ * kDamping;
  buffer_[at_] = in + store_ * feedback_;
  if (++at_ == buffer_.size()) at_ = 0;
  return out;
}

float Reverb::Allpass::operator()(float in) {
  const float delayed = buffer_[at_];
  buffer_[at_] = in + delayed * 0.5f;
  if (++at_ == buffer_.size()) at_ = 0;
  return delayed - in;
}

float Reverb::Side::operator()(float in) {
  float sum = 0;
  for (Comb& comb : combs) sum += comb(in);
  for (Allpass& allpass : allpasses) sum = allpass(sum);
  return sum;
}

Reverb::Reverb(double decaySeconds) {
  for (size_t length : kCombs) {
    left_.combs.emplace_back(length, decaySeconds);
    right_.combs.emplace_back(length + kStereoSpread, decaySeconds);
  }
  for (size_t length : kAllpasses) {
    left_.allpasses.emplace_back(length);
    right_.allpasses.emplace_back(length + kStereoSpread);
  }
}

void Reverb::run(const std::vector<float>& left, const std::vector<float>& right,
                 std::vector<float>& wetLeft, std::vector<float>& wetRight) {
  wetLeft.resize(left.size());
  wetRight.resize(left.size());
  for (size_t n = 0; n < left.size(); ++n) {
    const float in = (left[n] + right[n]) * kInputGain;
    wetLeft[n] = left_(in);
    wetRight[n] = right_(in);
  }
}

}  // namespace synth
