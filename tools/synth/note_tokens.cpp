// note_tokens.cpp -- reading notes, chords, rests, lengths and ties
#include "synth/note_tokens.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace synth {
namespace {

// Semitones of the letters above C.
int letterSemitone(char letter) {
  static const int kSemitones[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  return kSemitones[letter - 'A'];
}

// One pitch from at, moving at past it: a letter, sharps or flats, an octave digit.
bool parsePitch(const std::string& text, size_t& at, int& key) {
  if (at >= text.size() || text[at] < 'A' || text[at] > 'G') return false;
  int semitone = letterSemitone(text[at++]);
  while (at < text.size() && (text[at] == '#' || text[at] == 'b')) {
    semitone += text[at] == '#' ? 1 : -1;
    ++at;
  }
  if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at]))) return false;
  const int octave = text[at++] - '0';
  key = 12 * (octave + 1) + semitone;
  return key >= 0 && key <= 127;
}

// ":N" with N 1, 2, 4, 8, 16 or 32 (whole, half, quarter ...), then up to two dots.
bool parseLength(const std::string& text, size_t& at, int& ticks) {
  size_t digitsEnd = at;
  while (digitsEnd < text.size() && std::isdigit(static_cast<unsigned char>(text[digitsEnd])))
    ++digitsEnd;
  const std::string digits = text.substr(at, digitsEnd - at);
  static const char* const kDivisions[] = {"1", "2", "4", "8", "16", "32"};
  if (std::find(std::begin(kDivisions), std::end(kDivisions), digits) == std::end(kDivisions))
    return false;
  at = digitsEnd;
  int part = kTicksPerWhole / std::stoi(digits);
  ticks = part;
  for (int dots = 0; dots < 2 && at < text.size() && text[at] == '.'; ++dots, ++at) {
    part /= 2;
    ticks += part;
  }
  return true;
}

}  // namespace

bool parseNoteToken(const std::string& word, NoteToken& note, std::string& error) {
  note = NoteToken{};
  std::string text = word;
  if (!text.empty() && text.back() == '~') {
    note.tie = true;
    text.pop_back();
  }
  const size_t colon = text.find(':');
  const std::string pitches = text.substr(0, colon);
  if (colon != std::string::npos) {
    size_t at = colon + 1;
    if (!parseLength(text, at, note.ticks) || at != text.size())
      return error = "'" + word + "' has no length I know (:1 :2 :4 :8 :16 :32, dots after)", false;
  }
  if (pitches == "r") {
    if (note.tie) return error = "'" + word + "': a rest cannot be tied", false;
    return true;
  }
  size_t at = 0;
  while (true) {
    int key = 0;
    if (!parsePitch(pitches, at, key))
      return error = "'" + word + "' is not a note, chord or rest (e.g. C4, F#3+A3, Bb2:8, r:4)",
             false;
    note.keys.push_back(key);
    if (at == pitches.size()) break;
    if (pitches[at++] != '+')
      return error = "'" + word + "' is not a note, chord or rest (e.g. C4, F#3+A3, Bb2:8, r:4)",
             false;
  }
  std::sort(note.keys.begin(), note.keys.end());
  return true;
}

std::string keyName(int key) {
  static const char* const kNames[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                         "F#", "G",  "G#", "A",  "A#", "B"};
  return kNames[key % 12] + std::to_string(key / 12 - 1);
}

double keyFrequency(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

}  // namespace synth
