// render.h -- playing a score into stereo samples: notes, room, ending and level
#pragma once

#include <vector>

#include "synth/score.h"

namespace synth {

struct Recording {
  std::vector<float> left, right;  // -1 to 1
  double peakDecibels = 0;         // of the loudest sample, after levelling
  double rmsDecibels = 0;          // the mean power over both channels
  double gainDecibels = 0;         // the scaling that set the peak
};

// Lays every note at its place (for a loop, what rings past the end comes back in at the
// start), adds the room, fades the tail of a piece that does not loop, and scales it all
// so that the loudest sample is at peakDecibels (below full scale).
Recording renderScore(const Score& score, double peakDecibels);

}  // namespace synth
