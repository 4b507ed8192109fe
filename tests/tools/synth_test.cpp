// synth_test.cpp -- the synthesiser: lengths, the WAV file, smooth notes, loops, bad note lists
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/mp3_frames.h"
#include "support/engine_fixture.h"
#include "tools/run_tool.h"

namespace {

using testing_support::EngineTest;
using testing_support::readFile;
using testing_support::writeFile;
using tools_testing::runTool;

constexpr int kRate = 44100;

uint32_t little(const std::string& b, size_t at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | uint8_t(b[at + size_t(i)]);
  return value;
}

struct Wav {
  std::vector<double> left, right;  // -1 to 1
  size_t frames() const { return left.size(); }
};

// Reads a 44.1 kHz 16-bit stereo WAV file of the canonical 44-byte layout, checking every
// header field.
Wav readWav(const std::string& path) {
  const std::string b = readFile(path);
  Wav wav;
  EXPECT_GE(b.size(), 44u);
  if (b.size() < 44) return wav;
  const uint32_t data = little(b, 40, 4);
  EXPECT_EQ(b.substr(0, 4), "RIFF");
  EXPECT_EQ(little(b, 4, 4), b.size() - 8);
  EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(little(b, 16, 4), 16u);              // format chunk size
  EXPECT_EQ(little(b, 20, 2), 1u);               // integer samples
  EXPECT_EQ(little(b, 22, 2), 2u);               // channels
  EXPECT_EQ(little(b, 24, 4), uint32_t(kRate));  // frames a second
  EXPECT_EQ(little(b, 28, 4), uint32_t(kRate * 4));
  EXPECT_EQ(little(b, 32, 2), 4u);  // bytes a frame
  EXPECT_EQ(little(b, 34, 2), 16u);
  EXPECT_EQ(b.substr(36, 4), "data");
  EXPECT_EQ(data, b.size() - 44);
  for (size_t at = 44; at + 4 <= b.size(); at += 4) {
    wav.left.push_back(int16_t(little(b, at, 2)) / 32768.0);
    wav.right.push_back(int16_t(little(b, at + 2, 2)) / 32768.0);
  }
  return wav;
}

// Writes the note list and renders it; the test fails on any exit but 0.
Wav render(const std::string& notes, const std::vector<std::string>& options = {}) {
  writeFile("t.notes", notes);
  std::vector<std::string> args = options;
  args.insert(args.end(), {"t.notes", "t.wav"});
  std::string out;
  EXPECT_EQ(runTool("synth", args, &out), 0) << out;
  return readWav("t.wav");
}

double peakOf(const std::vector<double>& s, size_t from = 0, size_t to = SIZE_MAX) {
  double peak = 0;
  for (size_t n = from; n < std::min(to, s.size()); ++n) peak = std::max(peak, std::abs(s[n]));
  return peak;
}

class SynthTest : public EngineTest {};

TEST_F(SynthTest, LengthFollowsTempoTimeSignatureAndPlayOrder) {
  // 3/4 at 120: half a second a beat, 1.5 s a bar; A has 2 bars, B one, played A B B.
  const std::string waltz =
      "tempo 120\ntime 3/4\nending loop\nvoice m musicbox\n"
      "section A\n m | C4:2. | E4:4 G4:8 G4 r:4 |\nend\n"
      "section B\n m | C5:2 r:4 |\nend\n"
      "play A B*2\n";
  EXPECT_EQ(render(waltz).frames(), size_t(6 * kRate));
  writeFile("t.notes", waltz);
  std::string out;
  EXPECT_EQ(runTool("synth", {"--length", "t.notes"}, &out), 0);
  EXPECT_NE(out.find("6.000 seconds (264600 frames), 4 bars of 3/4 at 120"), std::string::npos)
      << out;

  // 6/8 at 180: the beat is an eighth, a third of a second; a bar is 2 s, then the tail.
  const std::string jig =
      "tempo 180\ntime 6/8\nending tail 1.5 fade 0.5\nvoice b bass\n"
      "section A\n b | D3:4. A2:4. |\nend\nplay A\n";
  EXPECT_EQ(render(jig).frames(), size_t(3.5 * kRate));
  // No ending line: two seconds of tail.
  EXPECT_EQ(render("voice p pad\nsection A\n p | C4:1 |\nend\nplay A\n").frames(),
            size_t(4 * kRate));
}

TEST_F(SynthTest, WritesStereoWavWithTheLoudestSampleAtTheAskedPeak) {
  const std::string notes =
      "voice m musicbox pan -1\nvoice p pad level -6 pan 1\n"
      "section A\n m | C5 E5 G5 C6 |\n p | r:2 C4+E4+G4:2 |\nend\nplay A\n";
  const Wav normal = render(notes);
  EXPECT_NEAR(std::max(peakOf(normal.left), peakOf(normal.right)), std::pow(10, -3 / 20.0),
              1.0 / 32768);
  const Wav soft = render(notes, {"--peak", "-12"});
  EXPECT_NEAR(std::max(peakOf(soft.left), peakOf(soft.right)), std::pow(10, -12 / 20.0),
              1.0 / 32768);
  // Panned hard: the music box only on the left; the pad, from 1 s on, only on the right.
  EXPECT_GT(peakOf(normal.left), 0.1);
  EXPECT_EQ(peakOf(normal.right, 0, kRate), 0.0);
  EXPECT_GT(peakOf(normal.right, kRate), 0.01);
}

TEST_F(SynthTest, EveryInstrumentRisesFromSilenceAndFallsBackToIt) {
  for (const char* instrument : {"musicbox", "bells", "pad", "bass", "sleigh"}) {
    SCOPED_TRACE(instrument);
    // At 60 beats a minute the note starts at exactly 1 s; no room, and a tail long enough
    // for every instrument to end by itself before the fade.
    const Wav wav = render(std::string("tempo 60\nending tail 10 fade 0.5\nvoice v ") + instrument +
                           "\nsection A\n v | r:4 A4:4 r:2 |\nend\nplay A\n");
    const std::vector<double>& s = wav.left;
    const size_t onset = kRate;
    EXPECT_EQ(peakOf(s, 0, onset), 0.0);
    const double peak = peakOf(s);
    // A click would be near full level at once; the first 0.2 ms stay far below it.
    EXPECT_LT(peakOf(s, onset, onset + 9), 0.1 * peak);
    size_t last = s.size() - 1;
    while (last > onset && s[last] == 0) --last;
    EXPECT_LT(last, s.size() - size_t(0.5 * kRate)) << "the note runs into the fade";
    // The last millisecond before silence is a quiet end of a release, not a cut.
    EXPECT_LT(peakOf(s, last - 44, last + 1), 0.01 * peak);
  }
}

TEST_F(SynthTest, LoopCarriesTheEndsRingingIntoItsStart) {
  // Notes and room at the end of the bars ring on past them.
  const std::string section =
      "section A\n m | C5:4 E5 G5 C6 | r:2 E5:4 G5 |\n p | C4+E4:1 | G3+D4:1 |\nend\n";
  const std::string head = "tempo 60\nreverb 0.4 1.5\nvoice m musicbox\nvoice p pad\n";
  const Wav loop = render(head + "ending loop\n" + section + "play A\n");
  const size_t frames = size_t(8 * kRate);
  ASSERT_EQ(loop.frames(), frames);
  // Played twice with a tail, the second time through hears the first one's ringing: the
  // looped file must be that second time, sample for sample (but for the overall level).
  const Wav twice = render(head + "ending tail 0.5 fade 0.5\n" + section + "play A*2\n");
  ASSERT_EQ(twice.frames(), 2 * frames + kRate / 2);
  double dot = 0, power = 0, loopPower = 0;
  for (size_t n = 0; n < frames; ++n) {
    dot += loop.left[n] * twice.left[frames + n];
    power += twice.left[frames + n] * twice.left[frames + n];
    loopPower += loop.left[n] * loop.left[n];
  }
  const double scale = dot / power;
  double error = 0;
  for (size_t n = 0; n < frames; ++n)
    error += std::pow(loop.left[n] - scale * twice.left[frames + n], 2);
  EXPECT_LT(error / loopPower, 1e-6);
  // So the loop's start is not silent, and its seam is no larger a step than its last ones.
  EXPECT_GT(peakOf(loop.left, 0, 100), 0.001);
  double lastStep = 0;
  for (size_t n = frames - 100; n + 1 < frames; ++n)
    lastStep = std::max(lastStep, std::abs(loop.left[n + 1] - loop.left[n]));
  EXPECT_LE(std::abs(loop.left[0] - loop.left[frames - 1]), 1.5 * lastStep);
  // Without the loop the piece starts from silence and ends on it.
  EXPECT_EQ(twice.left[0], 0.0);
  EXPECT_EQ(twice.left.back(), 0.0);
}

TEST_F(SynthTest, BadNoteListsAreNamedByLine) {
  const std::string head = "time 3/4\nvoice m musicbox\n";  // lines 1 and 2
  struct Case {
    std::string text;
    std::string message;
  } cases[] = {
      {head + "section A\n m | C4 E4 | G4:2. |\nend\nplay A\n",
       "t.notes:4: bar 1 of m in section A holds 2 beats; a bar of 3/4 holds 3"},
      {head + "section A\n m | C4:2 D4:8. |\nend\nplay A\n",
       "t.notes:4: bar 1 of m in section A holds 2.75 beats"},
      {head + "section A\n m | H4:2. |\nend\nplay A\n", "t.notes:4: 'H4:2.' is not a note"},
      {head + "section A\n m | C4:3 |\nend\nplay A\n", "t.notes:4: 'C4:3' has no length"},
      {head + "section A\n m | C4:2~ D4:4 |\nend\nplay A\n",
       "t.notes:4: 'D4:4' follows a tie from C4; a tie joins the same notes"},
      {head + "section A\n m | C4:2. |\n x | C4:2. |\nend\nplay A\n",
       "t.notes:5: 'x' is not a voice, and section A is still open"},
      {head + "voice b harp\n", "t.notes:3: 'harp' is not an instrument"},
      {head + "voice b bass\nsection A\n m | C4:2. | D4:4 E4 F4 |\n b | C2:2. |\nend\nplay A\n",
       "t.notes:7: in section A, b has 1 bar and m 2"},
      {head + "section A\n m | C4:2. |\nend\nplay A B\n",
       "t.notes:6: there is no section 'B' before this line"},
      {head + "section A\n m | C4:2. |\nplay A\n",
       "t.notes:5: section A, begun on line 3, has no 'end' before this line"},
      {head + "section A\n m | C4:2. |\n", "t.notes:3: section A has no 'end'"},
      {head + "tempo 90\ntempo 100\n", "t.notes:4: tempo is given twice (first on line 3)"},
      {head + "section A\n m | C4:2. |\nend\ntempo 90\n",
       "t.notes:6: 'tempo' lines come before the first section"},
      {head + "ending tail 1 fade 9\nsection A\n m | C4:2. |\nend\nplay A\n",
       "t.notes:3: the fade is longer than the whole piece"},
      {head + "section A\n m | C4:2. |\nend\n", "t.notes: nothing to play"},
  };
  for (const Case& c : cases) {
    writeFile("t.notes", c.text);
    std::string out;
    EXPECT_EQ(runTool("synth", {"t.notes", "t.wav"}, &out), 2) << c.text;
    EXPECT_NE(out.find("synth: " + c.message), std::string::npos) << out;
  }
  std::string out;
  writeFile("t.notes", head + "section A\n m | C4:2. |\nend\nplay A\n");
  EXPECT_EQ(runTool("synth", {"--solo", "x", "t.notes", "t.wav"}, &out), 2);
  EXPECT_NE(out.find("no voice x"), std::string::npos) << out;
  EXPECT_EQ(runTool("synth", {"--help"}, &out), 0);
  for (const char* word : {"tempo", "time 3/4", "voice NAME", "ending loop", "section", "play"})
    EXPECT_NE(out.find(word), std::string::npos) << word;
}

// The committed MP3 is as long as the committed tune: catches a tune changed but not
// rendered again (make_music.sh).
TEST_F(SynthTest, CommittedMusicMatchesTheTune) {
  std::string out;
  ASSERT_EQ(runTool("synth", {"--length", PELMO_SOURCE_DIR "/content/music/tune.notes"}, &out), 0)
      << out;
  const double seconds = std::atof(out.c_str());
  EXPECT_GE(seconds, 30);
  EXPECT_LE(seconds, 90);
  double mp3 = 0;
  ASSERT_TRUE(platform::mp3FileDuration(PELMO_SOURCE_DIR "/content/music/1.mp3", mp3));
  // LAME adds a frame of its own at the front and pads the last frame.
  EXPECT_GE(mp3, seconds);
  EXPECT_LT(mp3, seconds + 0.1);
}

}  // namespace
