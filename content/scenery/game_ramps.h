// game_ramps.h -- the game palette's ramps (content/palette/game.colours) as the scenery uses them
#pragma once

#include "canvas.h"

namespace scenery::game {

// Entries the pictures keep away from: the snow flakes (the engine draws them over
// everything) and the text ramp 192..207.
inline bool reserved(int index) {
  return (index >= 16 && index <= 18) || (index >= 192 && index <= 207);
}

inline const Ramp kGrey = Ramp::run(1, 15);       // #111111 .. #ffffff
inline const Ramp kSnow = Ramp::run(31, 19);      // slate #4f6890 .. #eef4fc
inline const Ramp kNight = Ramp::run(32, 47);     // #070a1c .. #7c98c8
inline const Ramp kWood = Ramp::run(64, 79);      // #221408 .. #e4c08a
inline const Ramp kRed = Ramp::run(80, 89);       // #3c0808 .. #ff6a5a
inline const Ramp kLamp = Ramp::run(103, 91);     // orange #d06010 .. pale #fff8c0
inline const Ramp kGreen = Ramp::run(104, 119);   // #08200e .. #9cd890
inline const Ramp kCloth = Ramp::run(120, 135);   // #0a1440 .. #a8c4ff
inline const Ramp kViolet = Ramp::run(136, 151);  // #1c0c30 .. #d4b8f4
inline const Ramp kStone = Ramp::run(152, 167);   // #2a2420 .. #d8d0c4
inline const Ramp kTeal = Ramp::run(168, 183);    // #062828 .. #90e8e0
inline const Ramp kSunset = Ramp::run(208, 223);  // #401808 .. #ffc070
inline const Ramp kRose = Ramp::run(224, 239);    // #3c0c20 .. #ffc8dc
inline const Ramp kOlive = Ramp::run(240, 254);   // #262810 .. #e0dca0

// Snow from the deep blue of the night into its light: the night ramp's middle, then the
// snow ramp.
inline const Ramp kSnowDeep = Ramp::run(34, 41).then(kSnow);
// Warm light from ember red through orange to pale yellow (windows, lanterns, glow).
inline const Ramp kGlow = Ramp::run(82, 86).then(Ramp::run(103, 91));
// Dark silhouettes of the night (outlines, deep shade): black-blue.
inline constexpr int kInk = 32;

}  // namespace scenery::game
