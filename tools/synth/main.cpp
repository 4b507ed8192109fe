// main.cpp -- synth: a WAV file of music from a note list
#include <algorithm>
#include <cstdio>
#include <string>

#include "common/cli.h"
#include "synth/instruments.h"
#include "synth/note_list.h"
#include "synth/render.h"
#include "synth/wav_file.h"

namespace {

constexpr const char* kTool = "synth";

constexpr const char* kUsage =
    "Usage: synth [options] TUNE.notes OUTPUT.wav\n"
    "       synth --length TUNE.notes\n"
    "\n"
    "Plays a note list with a few small instruments and writes a 44.1 kHz 16-bit stereo\n"
    "WAV file.\n"
    "\n"
    "Options:\n"
    "  --peak DB    the loudest sample's level in whole dBFS, -40 to 0 (default -3:\n"
    "               room for the peaks that MP3 encoding adds)\n"
    "  --solo NAME  play only that voice (its RMS less the gain printed compares the\n"
    "               voices' loudness)\n"
    "  --length     print the piece's length and bars; write nothing\n"
    "  --help       this text\n"
    "\n"
    "The note list is a text, one statement a line; a '#' that begins a word begins a\n"
    "comment (inside a word it is a sharp). First the header lines:\n"
    "  tempo 138               beats a minute (default 120); a beat is the time\n"
    "                          signature's lower number (a quarter note in 3/4)\n"
    "  time 3/4                beats a bar and their unit (default 4/4)\n"
    "  voice NAME INSTRUMENT [level DB] [pan P]\n"
    "                          a part, played by one instrument; level in decibels\n"
    "                          (default 0), pan from -1 (left) to 1 (right)\n"
    "  reverb AMOUNT [DECAY]   how much room sound to add, 0 to 1 (default 0; 0.3 is\n"
    "                          gentle), and its decay to -60 dB in seconds (default 2)\n"
    "  ending loop             the piece is exactly its bars long; what still rings at the\n"
    "                          end (notes and room) is added into the start, so a player\n"
    "                          that loops the file sample by sample hears no seam\n"
    "  ending tail T [fade F]  the piece rings on T seconds past the last bar, and its\n"
    "                          last F seconds (default T) fade to silence (the default:\n"
    "                          tail 2 fade 2)\n"
    "\n"
    "Instruments:\n"
    "  musicbox  a comb tooth: bright start, long clear ring (ignores note lengths)\n"
    "  bells     soft hand bells with a slow shimmer (ignore note lengths)\n"
    "  pad       a warm, slowly swelling chorus of soft saw waves; fades 0.9 s after\n"
    "            the note ends\n"
    "  bass      a plucked string, damped when the note ends\n"
    "  sleigh    a soft shake of sleigh bells; the note's pitch sets the brightness\n"
    "\n"
    "Then the music, in sections of voice lines, and the order to play them in:\n"
    "  section A\n"
    "    tune  | mp E5:4 A5 C6 | B5:2 A5:8 G#5 |\n"
    "    pad   | A3+C4+E4:2.~  | A3+C4+E4:2.   |\n"
    "  end\n"
    "  play intro A A*2 B      sections in order (NAME*N: N times); several play lines\n"
    "                          follow on from each other\n"
    "\n"
    "A voice line starts with the voice's name; '|' separates bars, and every bar must\n"
    "fill the time signature exactly. A voice may have several lines in a section; they\n"
    "follow on. Every voice in a section plays as many bars; voices left out rest. Words:\n"
    "  C4 F#3 Bb2              a note: letter A to G, sharps # or flats b, octave 0 to 9\n"
    "                          (C4 is middle C, A4 is 440 Hz)\n"
    "  A3+C4+E4                a chord\n"
    "  r                       a rest\n"
    "  :1 :2 :4 :8 :16 :32     after a note or rest, its length: whole, half, quarter\n"
    "                          ...; '.' after it adds half, '..' three quarters. Without\n"
    "                          one, the voice's previous length holds (a quarter at the\n"
    "                          start of each section)\n"
    "  ~                       at the end of a note: tied to the next word, which must be\n"
    "                          the same note or chord\n"
    "  pp p mp mf f ff         the loudness of the notes that follow (each section starts\n"
    "                          each voice at mf)\n"
    "\n"
    "Exit status: 0 done, 1 the output could not be written, 2 bad options or note list\n"
    "(the message names the file and line).\n";

bool keepOnly(const std::string& voice, synth::Score& score) {
  const auto named = [&](const synth::Voice& v) { return v.name == voice; };
  const auto it = std::find_if(score.voices.begin(), score.voices.end(), named);
  if (it == score.voices.end()) return false;
  const int index = int(it - score.voices.begin());
  std::erase_if(score.notes, [&](const synth::Note& n) { return n.voice != index; });
  return true;
}

int printLength(const synth::Score& score) {
  std::printf("%.3f seconds (%d frames), %d bars of %d/%d at %g beats a minute, %s\n",
              score.length(), int(score.length() * synth::kSampleRate + 0.5), score.bars,
              score.beatsPerBar, score.beatUnit, score.tempo,
              score.loop ? "looping" : "with a tail");
  return tools::kExitDone;
}

int play(const synth::Score& score, double peak, const std::string& output) {
  const synth::Recording recording = synth::renderScore(score, peak);
  std::string error;
  if (!synth::writeWav(output, recording, error))
    return tools::fail(kTool, error, tools::kExitWriteFailed);
  std::printf(
      "synth: wrote %s: %.3f seconds (%zu frames), %d bars, %zu notes, peak %.1f dBFS, "
      "RMS %.1f dBFS (gain %+.1f dB)\n",
      output.c_str(), double(recording.left.size()) / synth::kSampleRate, recording.left.size(),
      score.bars, score.notes.size(), recording.peakDecibels, recording.rmsDecibels,
      recording.gainDecibels);
  return tools::kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
  tools::ParsedArgs args;
  std::string error;
  if (!tools::parseArgs(argc, argv, {"--peak", "--solo"}, {"--length"}, args, error))
    return tools::usageError(kTool, error);
  if (args.help) {
    std::fputs(kUsage, stdout);
    return tools::kExitDone;
  }
  const bool lengthOnly = args.has("--length");
  if (args.positional.size() != (lengthOnly ? 1u : 2u))
    return tools::usageError(
        kTool, lengthOnly ? "--length takes one note list" : "give a note list and an output file");
  int peak = -3;
  if (args.has("--peak") && !tools::parseInt(args.value("--peak"), -40, 0, peak))
    return tools::usageError(kTool, "--peak takes decibels from -40 to 0");
  std::string text;
  if (!tools::readWholeFile(args.positional[0], text, error)) return tools::fail(kTool, error);
  synth::Score score;
  if (!synth::readNoteList(text, args.positional[0], score, error))
    return tools::fail(kTool, error);
  if (args.has("--solo") && !keepOnly(args.value("--solo"), score))
    return tools::usageError(kTool, "--solo: the note list has no voice " + args.value("--solo"));
  return lengthOnly ? printLength(score) : play(score, peak, args.positional[1]);
}
