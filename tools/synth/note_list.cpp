// note_list.cpp -- reading a note list: header lines, sections of voice lines, the play order
#include "synth/note_list.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <sstream>

#include "synth/note_tokens.h"

namespace synth {
namespace {

constexpr const char* kInstrumentNames[] = {"musicbox", "bells", "pad", "bass", "sleigh"};
constexpr const char* kKeywords[] = {"tempo",  "time",    "voice", "reverb",
                                     "ending", "section", "play",  "end"};
constexpr const char* kHeaderWords[] = {"tempo", "time", "voice", "reverb", "ending"};

struct Dynamic {
  const char* mark;
  double velocity;
};
constexpr Dynamic kDynamics[] = {{"pp", 0.3},  {"p", 0.45}, {"mp", 0.6},
                                 {"mf", 0.75}, {"f", 0.9},  {"ff", 1.0}};
constexpr double kDefaultVelocity = 0.75;  // mf
constexpr double kLongestPiece = 1200;     // seconds

struct SectionNote {
  int voice = 0;
  int tick = 0;
  int ticks = 0;
  int key = 0;
  double velocity = 0;
};

struct Section {
  std::string name;
  int line = 0;
  int ticks = 0;
  std::vector<SectionNote> notes;
};

// What one voice has written so far in the open section.
struct VoicePart {
  int ticks = 0;
  int bars = 0;
  int lastLength = kTicksPerWhole / 4;
  double velocity = kDefaultVelocity;
  std::vector<size_t> tied;  // the section's notes that the next word continues
};

bool listed(const char* const* begin, const char* const* end, const std::string& word) {
  return std::find_if(begin, end, [&](const char* w) { return word == w; }) != end;
}

std::vector<std::string> splitWords(std::string line) {
  // A '#' that begins a word begins a comment; inside a word it is a sharp (C#4).
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1])))) {
      line.resize(i);
      break;
    }
  }
  std::string spaced;
  for (char c : line) spaced += c == '|' ? std::string(" | ") : std::string(1, c);
  std::istringstream in(spaced);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool parseNumber(const std::string& text, double low, double high, double& value) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(v >= low && v <= high)) return false;
  value = v;
  return true;
}

// Letters, digits and '_', starting with a letter, and not a word of the list itself.
bool validName(const std::string& name) {
  if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) return false;
  for (char c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  return !listed(std::begin(kKeywords), std::end(kKeywords), name);
}

std::string numberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string barCount(int bars) { return std::to_string(bars) + (bars == 1 ? " bar" : " bars"); }

std::string keyNames(const std::vector<int>& keys) {
  std::string names;
  for (int key : keys) names += (names.empty() ? "" : "+") + keyName(key);
  return names.empty() ? "a rest" : names;
}

class Reader {
 public:
  Reader(const std::string& name, Score& score) : name_(name), score_(score) {}
  bool read(const std::string& text, std::string& error);

 private:
  bool line(const std::vector<std::string>& words);
  bool header(const std::vector<std::string>& words);
  bool timeSignature(const std::vector<std::string>& words);
  bool voiceDeclaration(const std::vector<std::string>& words);
  bool reverb(const std::vector<std::string>& words);
  bool ending(const std::vector<std::string>& words);
  bool sectionStart(const std::vector<std::string>& words);
  bool sectionEnd(const std::vector<std::string>& words);
  bool voiceLine(const std::vector<std::string>& words);
  bool noteWord(int voice, VoicePart& part, const std::string& word, int& barTicks);
  bool closeBar(int voice, VoicePart& part, int& barTicks, bool& barHasWords);
  bool play(const std::vector<std::string>& words);
  bool finish();

  bool fail(const std::string& message) {
    error_ = name_ + ":" + std::to_string(line_) + ": " + message;
    return false;
  }
  int ticksPerBar() const { return score_.beatsPerBar * kTicksPerWhole / score_.beatUnit; }
  std::string beats(int ticks) const {
    return numberText(double(ticks) * score_.beatUnit / kTicksPerWhole);
  }
  int voiceIndex(const std::string& name) const {
    for (size_t i = 0; i < score_.voices.size(); ++i)
      if (score_.voices[i].name == name) return int(i);
    return -1;
  }
  int sectionIndex(const std::string& name) const {
    for (size_t i = 0; i < sections_.size(); ++i)
      if (sections_[i].name == name) return int(i);
    return -1;
  }

  const std::string& name_;
  Score& score_;
  std::string error_;
  int line_ = 0;
  std::map<std::string, int> given_;  // header words given once, and their lines
  std::vector<Section> sections_;
  bool inSection_ = false;
  std::map<int, VoicePart> parts_;  // of the open section, by voice
  std::vector<int> order_;          // the sections to play
};

bool Reader::read(const std::string& text, std::string& error) {
  std::istringstream in(text);
  for (std::string raw; std::getline(in, raw);) {
    ++line_;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const std::vector<std::string> words = splitWords(raw);
    if (!words.empty() && !line(words)) return error = error_, false;
  }
  if (!finish()) return error = error_, false;
  return true;
}

bool Reader::line(const std::vector<std::string>& words) {
  const std::string& first = words[0];
  if (inSection_) {
    if (first == "end") return sectionEnd(words);
    if (voiceIndex(first) >= 0) return voiceLine(words);
    const Section& open = sections_.back();
    if (listed(std::begin(kKeywords), std::end(kKeywords), first))
      return fail("section " + open.name + ", begun on line " + std::to_string(open.line) +
                  ", has no 'end' before this line");
    return fail("'" + first + "' is not a voice, and section " + open.name +
                " is still open (close it with 'end')");
  }
  if (first == "section") return sectionStart(words);
  if (first == "play") return play(words);
  if (first == "end") return fail("'end' without a section");
  if (voiceIndex(first) >= 0) return fail("voice lines belong inside a section");
  if (!listed(std::begin(kHeaderWords), std::end(kHeaderWords), first))
    return fail("'" + first +
                "' does not begin a line I know (tempo, time, voice, reverb, ending, section, "
                "play, or a voice's name inside a section)");
  return header(words);
}

bool Reader::header(const std::vector<std::string>& words) {
  const std::string& what = words[0];
  if (!sections_.empty()) return fail("'" + what + "' lines come before the first section");
  if (what == "voice") return voiceDeclaration(words);
  const auto [first, fresh] = given_.emplace(what, line_);
  if (!fresh)
    return fail(what + " is given twice (first on line " + std::to_string(first->second) + ")");
  if (what == "tempo") {
    if (words.size() != 2 || !parseNumber(words[1], 20, 400, score_.tempo))
      return fail("tempo takes beats a minute, 20 to 400");
    return true;
  }
  if (what == "time") return timeSignature(words);
  if (what == "reverb") return reverb(words);
  return ending(words);
}

bool Reader::timeSignature(const std::vector<std::string>& words) {
  int beats = 0, unit = 0;
  char extra = 0;
  const bool ok =
      words.size() == 2 && std::sscanf(words[1].c_str(), "%d/%d%c", &beats, &unit, &extra) == 2 &&
      beats >= 1 && beats <= 16 && (unit == 1 || unit == 2 || unit == 4 || unit == 8 || unit == 16);
  if (!ok) return fail("time takes beats/unit, e.g. 3/4 (1 to 16 beats of 1, 2, 4, 8 or 16)");
  score_.beatsPerBar = beats;
  score_.beatUnit = unit;
  return true;
}

bool Reader::voiceDeclaration(const std::vector<std::string>& words) {
  if (words.size() < 3)
    return fail("voice takes a name and an instrument, e.g. 'voice tune musicbox level -3'");
  Voice voice;
  voice.name = words[1];
  if (!validName(voice.name))
    return fail("'" + voice.name +
                "' cannot name a voice (a letter, then letters, digits or _; not a keyword)");
  if (voiceIndex(voice.name) >= 0) return fail("voice " + voice.name + " is declared twice");
  if (!instrumentFromName(words[2], voice.instrument))
    return fail("'" + words[2] + "' is not an instrument (musicbox, bells, pad, bass, sleigh)");
  for (size_t i = 3; i < words.size(); i += 2) {
    if (i + 1 >= words.size()) return fail("'" + words[i] + "' needs a value");
    double decibels = 0;
    if (words[i] == "level") {
      if (!parseNumber(words[i + 1], -60, 12, decibels))
        return fail("level takes decibels, -60 to 12");
      voice.gain = std::pow(10.0, decibels / 20);
    } else if (words[i] == "pan") {
      if (!parseNumber(words[i + 1], -1, 1, voice.pan))
        return fail("pan takes -1 (left) to 1 (right)");
    } else {
      return fail("'" + words[i] + "' is not a voice setting (level, pan)");
    }
  }
  score_.voices.push_back(voice);
  return true;
}

bool Reader::reverb(const std::vector<std::string>& words) {
  const bool ok = (words.size() == 2 || words.size() == 3) &&
                  parseNumber(words[1], 0, 1, score_.reverbAmount) &&
                  (words.size() == 2 || parseNumber(words[2], 0.1, 20, score_.reverbDecay));
  if (!ok) return fail("reverb takes an amount, 0 to 1, and maybe a decay, 0.1 to 20 seconds");
  return true;
}

bool Reader::ending(const std::vector<std::string>& words) {
  if (words.size() == 2 && words[1] == "loop") {
    score_.loop = true;
    return true;
  }
  const bool tail =
      words.size() >= 3 && words[1] == "tail" && parseNumber(words[2], 0, 60, score_.tail);
  score_.fade = score_.tail;
  const bool fade = words.size() == 3 || (words.size() == 5 && words[3] == "fade" &&
                                          parseNumber(words[4], 0, 60, score_.fade));
  if (!tail || !fade)
    return fail("ending takes 'loop' or 'tail SECONDS', maybe with 'fade SECONDS' (0 to 60)");
  if (score_.fade < 0.01) return fail("the fade lasts at least 0.01 seconds");
  return true;
}

bool Reader::sectionStart(const std::vector<std::string>& words) {
  if (words.size() != 2 || !validName(words[1]))
    return fail("section takes a name (a letter, then letters, digits or _)");
  if (sectionIndex(words[1]) >= 0) return fail("section " + words[1] + " is defined twice");
  sections_.push_back(Section{words[1], line_, 0, {}});
  parts_.clear();
  inSection_ = true;
  return true;
}

bool Reader::sectionEnd(const std::vector<std::string>& words) {
  if (words.size() != 1) return fail("'end' stands alone on its line");
  Section& section = sections_.back();
  inSection_ = false;
  int longest = -1;
  for (const auto& [voice, part] : parts_)
    if (longest < 0 || part.ticks > parts_[longest].ticks) longest = voice;
  if (longest < 0) return fail("section " + section.name + " has no voice lines");
  const VoicePart& most = parts_[longest];
  for (const auto& [voice, part] : parts_) {
    const std::string& name = score_.voices[size_t(voice)].name;
    if (!part.tied.empty())
      return fail("the tie at the end of " + name + " in section " + section.name +
                  " leads nowhere");
    if (part.ticks != most.ticks)
      return fail("in section " + section.name + ", " + name + " has " + barCount(part.bars) +
                  " and " + score_.voices[size_t(longest)].name + " " + std::to_string(most.bars) +
                  "; every voice of a section plays as many bars");
  }
  section.ticks = most.ticks;
  return true;
}

bool Reader::voiceLine(const std::vector<std::string>& words) {
  const int voice = voiceIndex(words[0]);
  VoicePart& part = parts_[voice];
  int barTicks = 0;
  bool barHasWords = false;
  for (size_t i = 1; i < words.size(); ++i) {
    if (words[i] == "|") {
      if (!closeBar(voice, part, barTicks, barHasWords)) return false;
      continue;
    }
    barHasWords = true;
    if (!noteWord(voice, part, words[i], barTicks)) return false;
  }
  return closeBar(voice, part, barTicks, barHasWords);
}

bool Reader::noteWord(int voice, VoicePart& part, const std::string& word, int& barTicks) {
  for (const Dynamic& dynamic : kDynamics) {
    if (word == dynamic.mark) {
      part.velocity = dynamic.velocity;
      return true;
    }
  }
  NoteToken note;
  std::string error;
  if (!parseNoteToken(word, note, error)) return fail(error);
  const int ticks = note.ticks ? note.ticks : part.lastLength;
  part.lastLength = ticks;
  std::vector<SectionNote>& notes = sections_.back().notes;
  if (!part.tied.empty()) {
    std::vector<int> tiedKeys;
    for (size_t n : part.tied) tiedKeys.push_back(notes[n].key);
    if (tiedKeys != note.keys)
      return fail("'" + word + "' follows a tie from " + keyNames(tiedKeys) +
                  "; a tie joins the same notes");
    for (size_t n : part.tied) notes[n].ticks += ticks;
    if (!note.tie) part.tied.clear();
  } else {
    for (int key : note.keys) {
      if (note.tie) part.tied.push_back(notes.size());
      notes.push_back(SectionNote{voice, part.ticks, ticks, key, part.velocity});
    }
  }
  part.ticks += ticks;
  barTicks += ticks;
  return true;
}

bool Reader::closeBar(int voice, VoicePart& part, int& barTicks, bool& barHasWords) {
  if (!barHasWords) return true;  // "| |", or a line that starts or ends with a bar line
  ++part.bars;
  if (barTicks != ticksPerBar())
    return fail("bar " + std::to_string(part.bars) + " of " + score_.voices[size_t(voice)].name +
                " in section " + sections_.back().name + " holds " + beats(barTicks) +
                " beats; a bar of " + std::to_string(score_.beatsPerBar) + "/" +
                std::to_string(score_.beatUnit) + " holds " + std::to_string(score_.beatsPerBar));
  barTicks = 0;
  barHasWords = false;
  return true;
}

bool Reader::play(const std::vector<std::string>& words) {
  if (words.size() < 2) return fail("play names sections in order, e.g. 'play intro A A*2 B'");
  for (size_t i = 1; i < words.size(); ++i) {
    const size_t star = words[i].find('*');
    const std::string name = words[i].substr(0, star);
    const int section = sectionIndex(name);
    if (section < 0) return fail("there is no section '" + name + "' before this line");
    double times = 1;
    if (star != std::string::npos &&
        (!parseNumber(words[i].substr(star + 1), 1, 99, times) || times != std::floor(times)))
      return fail("'" + words[i] + "': a section is played 1 to 99 times (NAME*N)");
    order_.insert(order_.end(), size_t(times), section);
  }
  return true;
}

bool Reader::finish() {
  if (inSection_) {
    line_ = sections_.back().line;
    return fail("section " + sections_.back().name + " has no 'end'");
  }
  if (order_.empty()) return error_ = name_ + ": nothing to play (no 'play' line)", false;
  const double secondsPerTick = 60.0 / score_.tempo / (kTicksPerWhole / score_.beatUnit);
  long long offset = 0;
  for (int index : order_) {
    const Section& section = sections_[size_t(index)];
    for (size_t i = 0; i < section.notes.size(); ++i) {
      const SectionNote& n = section.notes[i];
      const uint32_t seed = uint32_t(index + 1) * 100003u + uint32_t(i) + 1;
      score_.notes.push_back(Note{n.voice, double(offset + n.tick) * secondsPerTick,
                                  n.ticks * secondsPerTick, keyFrequency(n.key), n.velocity, seed});
    }
    offset += section.ticks;
  }
  score_.bars = int(offset / ticksPerBar());
  score_.barsLength = double(offset) * secondsPerTick;
  if (score_.length() > kLongestPiece)
    return error_ = name_ + ": the piece lasts " + numberText(score_.length()) +
                    " seconds; synth plays at most " + numberText(kLongestPiece),
           false;
  if (!score_.loop && score_.fade > score_.length()) {
    line_ = given_["ending"];
    return fail("the fade is longer than the whole piece");
  }
  return true;
}

}  // namespace

bool readNoteList(const std::string& text, const std::string& name, Score& score,
                  std::string& error) {
  score = Score{};
  return Reader(name, score).read(text, error);
}

const char* instrumentName(Instrument instrument) {
  return kInstrumentNames[static_cast<int>(instrument)];
}

bool instrumentFromName(const std::string& name, Instrument& instrument) {
  for (size_t i = 0; i < std::size(kInstrumentNames); ++i) {
    if (name == kInstrumentNames[i]) {
      instrument = static_cast<Instrument>(i);
      return true;
    }
  }
  return false;
}

}  // namespace synth
