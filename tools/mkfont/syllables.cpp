// syllables.cpp -- the KS X 1001 Hangul syllables, their code points and Johab codes
#include "mkfont/syllables.h"

#include <iconv.h>

#include <cstdio>

#include "gfx/hangul_compose.h"

namespace mkfont {
namespace {

// The Johab letter code whose table entry gives glyph index g, 1 or more (the inverse
// of the engine's own tables, so the two can never disagree).
int codeForGlyph(const uint8_t (&table)[32], int g) {
  for (int code = 0; code < 32; ++code)
    if (table[code] == g) return code;
  return 0;
}

// Converts two bytes with an open iconv descriptor; false when iconv refuses.
bool convert(iconv_t cd, const uint8_t in[2], uint8_t* out, size_t outSize) {
  char buffer[2] = {char(in[0]), char(in[1])};
  char* inp = buffer;
  char* outp = reinterpret_cast<char*>(out);
  size_t inLeft = 2, outLeft = outSize;
  return iconv(cd, &inp, &inLeft, &outp, &outLeft) != size_t(-1) && inLeft == 0 && outLeft == 0;
}

std::string hexPair(uint8_t lead, uint8_t trail) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%02X%02X", lead, trail);
  return text;
}

}  // namespace

uint16_t johabOfCodePoint(int codePoint) {
  const int u = codePoint - 0xAC00;
  const int initial = u / 588 + 1, medial = u % 588 / 28 + 1, final = u % 28;
  const int fillFinal = 1;  // Johab writes "no final" as code 1
  const int finalCode = final ? codeForGlyph(gfx::finalCodeToGlyph, final) : fillFinal;
  return static_cast<uint16_t>(0x8000 | codeForGlyph(gfx::initialCodeToGlyph, initial) << 10 |
                               codeForGlyph(gfx::medialCodeToGlyph, medial) << 5 | finalCode);
}

bool listKsSyllables(std::vector<Syllable>& out, std::string& error) {
  iconv_t toUnicode = iconv_open("UTF-32BE", "EUC-KR");
  iconv_t toJohab = iconv_open("JOHAB", "EUC-KR");
  if (toUnicode == iconv_t(-1) || toJohab == iconv_t(-1)) {
    error = "iconv cannot convert EUC-KR to UTF-32BE and JOHAB on this system";
    return false;
  }
  out.clear();
  for (int lead = 0xB0; lead <= 0xC8 && error.empty(); ++lead)
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      const uint8_t in[2] = {uint8_t(lead), uint8_t(trail)};
      uint8_t u[4], j[2];
      if (!convert(toUnicode, in, u, 4) || !convert(toJohab, in, j, 2)) {
        error = "iconv cannot convert the EUC-KR syllable " + hexPair(in[0], in[1]);
        break;
      }
      Syllable s{in[0], in[1], u[1] << 16 | u[2] << 8 | u[3], uint16_t(j[0] << 8 | j[1])};
      if (s.codePoint < 0xAC00 || s.codePoint >= 0xAC00 + kModernSyllables ||
          s.johab != johabOfCodePoint(s.codePoint)) {
        error =
            "the Johab code of " + hexPair(in[0], in[1]) + " from iconv disagrees with its letters";
        break;
      }
      out.push_back(s);
    }
  iconv_close(toUnicode);
  iconv_close(toJohab);
  return error.empty();
}

std::vector<Syllable> otherModernSyllables(const std::vector<Syllable>& ks) {
  std::vector<bool> inKs(kModernSyllables);
  for (const Syllable& s : ks) inKs[s.codePoint - 0xAC00] = true;
  std::vector<Syllable> others;
  for (int u = 0; u < kModernSyllables; ++u)
    if (!inKs[u]) others.push_back(Syllable{0, 0, 0xAC00 + u, johabOfCodePoint(0xAC00 + u)});
  return others;
}

}  // namespace mkfont
