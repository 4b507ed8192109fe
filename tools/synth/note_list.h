// note_list.h -- reading a note list, the text synth plays, into a Score
#pragma once

#include <string>

#include "synth/score.h"

namespace synth {

// Reads a note list (the format is explained by synth --help); on a mistake, error says
// "NAME:LINE: what is wrong".
bool readNoteList(const std::string& text, const std::string& name, Score& score,
                  std::string& error);

// The instruments' names as a note list writes them.
const char* instrumentName(Instrument instrument);
bool instrumentFromName(const std::string& name, Instrument& instrument);

}  // namespace synth
