// render.cpp -- laying the notes out, the room, the ending and the level
#include "synth/render.h"

#include <algorithm>
#include <cmath>

#include "synth/instrument_parts.h"
#include "synth/instruments.h"
#include "synth/reverb.h"

namespace synth {
namespace {

void layNotes(const Score& score, Recording& out) {
  const size_t frames = out.left.size();
  for (const Note& note : score.notes) {
    const Voice& voice = score.voices[size_t(note.voice)];
    const std::vector<float> sound = renderNote(
        voice.instrument, NoteSound{note.frequency, note.velocity, note.hold, note.seed});
    // Equal power across the stereo field.
    const double angle = (voice.pan + 1) * std::numbers::pi / 4;
    const float toLeft = float(voice.gain * std::cos(angle) * std::numbers::sqrt2);
    const float toRight = float(voice.gain * std::sin(angle) * std::numbers::sqrt2);
    size_t at = size_t(secondsToSamples(note.start));
    for (float sample : sound) {
      if (at >= frames) {
        if (!score.loop) break;  // silent by now: the tail has faded out
        // A loop carries the rest round into its start.
        at %= frames;
      }
      out.left[at] += sample * toLeft;
      out.right[at] += sample * toRight;
      ++at;
    }
  }
}

void addRoom(const Score& score, Recording& out) {
  if (score.reverbAmount <= 0) return;
  Reverb room(score.reverbDecay);
  std::vector<float> wetLeft, wetRight;
  // A loop goes round the room once first, so its start already hears its own end.
  if (score.loop) room.run(out.left, out.right, wetLeft, wetRight);
  room.run(out.left, out.right, wetLeft, wetRight);
  for (size_t n = 0; n < out.left.size(); ++n) {
    out.left[n] += float(score.reverbAmount * wetLeft[n]);
    out.right[n] += float(score.reverbAmount * wetRight[n]);
  }
}

void fadeTail(const Score& score, Recording& out) {
  if (score.loop) return;
  fadeOut(out.left, score.fade);
  fadeOut(out.right, score.fade);
}

double decibels(double level) { return level > 0 ? 20 * std::log10(level) : -200; }

void setLevel(double peakDecibels, Recording& out) {
  double peak = 0, power = 0;
  for (size_t n = 0; n < out.left.size(); ++n) {
    peak = std::max({peak, double(std::abs(out.left[n])), double(std::abs(out.right[n]))});
    power += double(out.left[n]) * out.left[n] + double(out.right[n]) * out.right[n];
  }
  if (peak <= 0) {
    out.peakDecibels = out.rmsDecibels = -200;
    return;
  }
  const double gain = std::pow(10.0, peakDecibels / 20) / peak;
  for (float& s : out.left) s = float(s * gain);
  for (float& s : out.right) s = float(s * gain);
  out.peakDecibels = peakDecibels;
  out.gainDecibels = decibels(gain);
  out.rmsDecibels = decibels(gain * std::sqrt(power / (2.0 * double(out.left.size()))));
}

}  // namespace

Recording renderScore(const Score& score, double peakDecibels) {
  Recording out;
  const size_t frames = size_t(secondsToSamples(score.length()));
  out.left.assign(frames, 0.0f);
  out.right.assign(frames, 0.0f);
  if (frames == 0) return out;
  layNotes(score, out);
  addRoom(score, out);
  fadeTail(score, out);
  setLevel(peakDecibels, out);
  return out;
}

}  // namespace synth
