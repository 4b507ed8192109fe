// mkfont_test.cpp -- the font tool: its options, the committed fonts and how well they fit
#include <gtest/gtest.h>
#include <iconv.h>
#include <sys/wait.h>

#include <bit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "gfx/fonts.h"
#include "gfx/hangul_compose.h"
#include "platform/encoding.h"
#include "support/engine_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::readFile;

const fs::path kCommitted = fs::path(PELMO_SOURCE_DIR) / "content" / "fonts";
const char* const kUnifont = "/usr/share/unifont/unifont.hex";

// Runs mkfont with args; returns its exit status, with stdout and stderr in output.
int runMkfont(const std::string& args, std::string* output = nullptr) {
  const std::string command = "'" PELMO_BIN_DIR "/mkfont' " + args + " >mkfont.out 2>&1";
  const int status = std::system(command.c_str());
  if (output) *output = readFile("mkfont.out");
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class MkfontTest : public testing_support::EngineTest {};

TEST_F(MkfontTest, options_and_bad_input) {
  std::string out;
  EXPECT_EQ(runMkfont("--help", &out), 0);
  EXPECT_NE(out.find("Usage: mkfont"), std::string::npos);
  EXPECT_EQ(runMkfont("--frobnicate", &out), 2);
  EXPECT_NE(out.find("unknown option '--frobnicate'"), std::string::npos);
  EXPECT_EQ(runMkfont("--out", &out), 2);
  EXPECT_NE(out.find("needs a value"), std::string::npos);
  EXPECT_EQ(runMkfont("--unifont missing.hex", &out), 2);
  EXPECT_NE(out.find("missing.hex: cannot be opened"), std::string::npos);
  testing_support::writeFile("bad.hex", "0041:0000000000000000000000000000000\n0042:zz\n");
  EXPECT_EQ(runMkfont("--unifont bad.hex", &out), 2);
  EXPECT_NE(out.find("bad.hex:1:"), std::string::npos);
  // A well-formed file without the syllables.
  testing_support::writeFile("ascii.hex", "0041:0000000018242442427E424242420000\n");
  EXPECT_EQ(runMkfont("--unifont ascii.hex", &out), 2);
  EXPECT_NE(out.find("no 16 x 16 glyph for U+AC00"), std::string::npos);
  EXPECT_FALSE(fs::exists("HanFont.fnt"));
}

TEST_F(MkfontTest, regenerates_the_committed_fonts_bit_for_bit) {
  ASSERT_TRUE(fs::exists(kUnifont)) << "the Debian package unifont is needed (scripts/bootstrap)";
  std::string out;
  ASSERT_EQ(runMkfont("--out made --report", &out), 0) << out;
  EXPECT_NE(out.find("of 2350 syllables compose to exactly"), std::string::npos) << out;
  for (const char* name : {"EngFont.fnt", "HanFont.fnt", "han.inf"}) {
    const std::string made = readFile("made/" + std::string(name));
    EXPECT_EQ(made.size(), fs::file_size(kCommitted / name)) << name;
    EXPECT_TRUE(made == readFile((kCommitted / name).string()))
        << name << " differs from content/fonts";
  }
}

TEST(CommittedFonts, have_the_sizes_of_the_game_tables) {
  EXPECT_EQ(fs::file_size(kCommitted / "EngFont.fnt"), size_t(gfx::kAsciiFontBytes));
  EXPECT_EQ(fs::file_size(kCommitted / "HanFont.fnt"), size_t(gfx::kHangulFontBytes));
  EXPECT_EQ(fs::file_size(kCommitted / "han.inf"), size_t(gfx::kSyllableCodeBytes));
}

TEST(CommittedFonts, syllable_codes_agree_with_iconv_for_all_2350) {
  const std::string codes = readFile((kCommitted / "han.inf").string());
  ASSERT_EQ(codes.size(), 4700u);
  iconv_t cd = iconv_open("JOHAB", "EUC-KR");
  ASSERT_NE(cd, iconv_t(-1));
  int agree = 0;
  for (int lead = 0xB0; lead <= 0xC8; ++lead)
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      char in[2] = {char(lead), char(trail)}, johab[2] = {};
      char *inp = in, *outp = johab;
      size_t inLeft = 2, outLeft = 2;
      ASSERT_NE(iconv(cd, &inp, &inLeft, &outp, &outLeft), size_t(-1));
      const size_t at = (lead - 0xB0) * 188 + (trail - 0xA1) * 2;
      agree += codes[at] == johab[0] && codes[at + 1] == johab[1];
    }
  iconv_close(cd);
  EXPECT_EQ(agree, 2350);
}

// Unifont's 16 x 16 glyphs by code point.
std::map<int, std::array<uint16_t, 16>> unifontSyllables() {
  std::map<int, std::array<uint16_t, 16>> glyphs;
  std::ifstream in(kUnifont);
  for (std::string line; std::getline(in, line);) {
    if (line.size() != 69 || line[4] != ':') continue;
    const int cp = std::stoi(line.substr(0, 4), nullptr, 16);
    if (cp < 0xAC00 || cp > 0xD7A3) continue;
    for (int r = 0; r < 16; ++r)
      glyphs[cp][r] = uint16_t(std::stoi(line.substr(5 + 4 * r, 4), nullptr, 16));
  }
  return glyphs;
}

class FontFitTest : public testing_support::EngineTest {};

// The committed fonts, loaded and composed by the engine as the game does, against
// Unifont's own glyphs. The fit reached 2056 exact, a mean of 2.20 and a largest of 41.
TEST_F(FontFitTest, composed_syllables_come_close_to_unifont) {
  ASSERT_TRUE(fs::exists(kUnifont)) << "the Debian package unifont is needed (scripts/bootstrap)";
  for (const char* name : {"EngFont.fnt", "HanFont.fnt", "han.inf"})
    fs::copy_file(kCommitted / name, fs::path("grim") / name, fs::copy_options::overwrite_existing);
  ASSERT_EQ(gfx::loadFonts(), 1);
  const auto reference = unifontSyllables();
  ASSERT_EQ(reference.size(), 11172u);
  int syllables = 0, exact = 0, largest = 0;
  long differing = 0;
  for (int lead = 0xB0; lead <= 0xC8; ++lead)
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const std::string utf8 = platform::cp949ToUtf8(std::string{char(lead), char(trail)});
      const int cp = (utf8[0] & 0x0F) << 12 | (utf8[1] & 0x3F) << 6 | (utf8[2] & 0x3F);
      const gfx::Glyph16 g = gfx::composeHangulGlyph(uint8_t(lead), uint8_t(trail));
      int d = 0;
      for (int r = 0; r < 16; ++r)
        d += std::popcount(unsigned(g[2 * r] << 8 | g[2 * r + 1]) ^ reference.at(cp)[r]);
      ++syllables;
      exact += d == 0;
      differing += d;
      largest = std::max(largest, d);
    }
  RecordProperty("exact", exact);
  RecordProperty("largest", largest);
  EXPECT_EQ(syllables, 2350);
  EXPECT_GE(exact, 2045);  // 87 %
  EXPECT_LE(double(differing) / syllables, 2.2);
  EXPECT_LE(largest, 41);
}

}  // namespace
