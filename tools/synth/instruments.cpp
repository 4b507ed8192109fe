// instruments.cpp -- one note of the instrument asked for, and the shared envelope shapes
#include "synth/instruments.h"

#include <algorithm>

#include "synth/instrument_parts.h"

namespace synth {

std::vector<float> renderNote(Instrument instrument, const NoteSound& note) {
  switch (instrument) {
    case Instrument::MusicBox:
      return renderMusicBox(note);
    case Instrument::Bells:
      return renderBells(note);
    case Instrument::Pad:
      return renderPad(note);
    case Instrument::Bass:
      return renderBass(note);
    case Instrument::Sleigh:
      return renderSleigh(note);
  }
  return {};
}

void fadeIn(std::vector<float>& samples, double seconds) {
  const int count = std::min(secondsToSamples(seconds), int(samples.size()));
  for (int i = 0; i < count; ++i) samples[size_t(i)] *= float(raisedCosine(double(i) / count));
}

void fadeOut(std::vector<float>& samples, double seconds) {
  const int count = std::min(secondsToSamples(seconds), int(samples.size()));
  const size_t first = samples.size() - size_t(count);
  // The last sample lands on zero itself.
  for (int i = 0; i < count; ++i)
    samples[first + size_t(i)] *= float(raisedCosine(double(count - 1 - i) / count));
}

}  // namespace synth
