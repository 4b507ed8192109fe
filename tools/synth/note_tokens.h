// note_tokens.h -- the words of a voice line: notes, chords, rests, lengths and ties
#pragma once

#include <string>
#include <vector>

namespace synth {

// Lengths are counted in ticks, so that bars add up exactly.
constexpr int kTicksPerWhole = 384;

struct NoteToken {
  std::vector<int> keys;  // key numbers (C4 = 60, A4 = 69), ascending; empty for a rest
  int ticks = 0;          // 0 when the word gives no length and the previous one holds
  bool tie = false;       // '~': the next word continues this note
};

// Reads "C4", "F#3+A3+C#4:2.", "r:8", "Bb2:4~"; error says what is wrong with the word.
bool parseNoteToken(const std::string& word, NoteToken& note, std::string& error);

// "C4" for 60, "C#4" for 61: for messages.
std::string keyName(int key);

// Equal temperament, A4 = 440 Hz.
double keyFrequency(int key);

}  // namespace synth
