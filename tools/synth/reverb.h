// reverb.h -- a gentle stereo room: parallel damped comb filters into allpass filters
#pragma once

#include <cstddef>
#include <vector>

namespace synth {

class Reverb {
 public:
  // decaySeconds: the time for the room's sound to fall by 60 dB.
  explicit Reverb(double decaySeconds);
  // Writes the room's sound of the input frames into wet (same length). The room keeps
  // ringing from one call into the next, so a loop run through twice comes out as if it
  // had always been playing.
  void run(const std::vector<float>& left, const std::vector<float>& right,
           std::vector<float>& wetLeft, std::vector<float>& wetRight);

 private:
  class Comb {
   public:
    Comb(size_t length, double decaySeconds);
    float operator()(float in);

   private:
    std::vector<float> buffer_;
    size_t at_ = 0;
    float feedback_;
    float store_ = 0;
  };
  class Allpass {
   public:
    explicit Allpass(size_t length) : buffer_(length, 0.0f) {}
    float operator()(float in);

   private:
    std::vector<float> buffer_;
    size_t at_ = 0;
  };
  struct Side {
    std::vector<Comb> combs;
    std::vector<Allpass> allpasses;
    float operator()(float in);
  };

  Side left_, right_;
};

}  // namespace synth
